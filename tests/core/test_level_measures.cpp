// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Measures of a good level: each holds on a level built to meet it and names what is at fault
// when it fails; the trick of a level is the same under the board's symmetries.
#include "core/level_measures.h"

#include "level_builder.h"

#include "core/difficulty.h"
#include "core/level_trick.h"
#include "core/palette.h"
#include "core/safe_path.h"

#include <gtest/gtest.h>

namespace prismora {
namespace {

using testing::cannon;
using testing::place;
using testing::playLevel;

// A red cannon at column 1, row 4 firing north, stopped by an obstacle in
// row 2; a red lamp at column 3, row 1; a bomb at column 5, row 3. Two mirrors at (1,3) and (3,3)
// are the one solution; the one at (1,3) placed first sends the beam along row 3 into the bomb.
DesignedLevel trapLevel()
{
    DesignedLevel level{playLevel(), {{PieceKind::Mirror, 3, 3, 3}, {PieceKind::Mirror, 1, 3, 7}}};
    place(level.start, PieceKind::RedLamp, 3, 1);
    place(level.start, PieceKind::Obstacle, 1, 2);
    place(level.start, PieceKind::Bomb, 5, 3);
    cannon(level.start, 1, 4, 2, RedBeam);
    changePaletteCount(level.start, *rowOfKind(PieceKind::Mirror), 2);
    return level;
}

TEST(LevelMeasuresTest, ALevelBuiltToMeetThemHoldsAndTheCountsAreItsElements)
{
    const DesignedLevel level = trapLevel();
    const Measure unique = measureUnique(level.start);
    EXPECT_TRUE(unique.holds()) << unique.text;
    EXPECT_GT(unique.states, 0);
    EXPECT_TRUE(measureSafePath(level).holds());
    EXPECT_TRUE(measurePurposefulBombs(level).holds());
    EXPECT_TRUE(measureDarkStart(level.start).holds());
    EXPECT_TRUE(measureRestraint(level.start).holds());
    EXPECT_EQ(fewestPieces(level.start, MeasureStates).pieces, 2);
    EXPECT_EQ(measureDifficulty(level.start, level.solution, true).pieces, 2);

    const ElementCounts counts = countElements(level.start);
    EXPECT_EQ((std::array{counts.lamps, counts.bombs, counts.obstacles, counts.oneWays,
                          counts.cannons, counts.pieces}),
              (std::array{1, 1, 1, 0, 1, 2}));
    EXPECT_EQ(counts.fixed(), 3);

    // The editor's design, with the solution standing on the board.
    Level design = level.start;
    design.palette.assign(PlayRowCount, 0);
    for (const Placement& p : level.solution) {
        place(design, p.kind, p.column, p.row, p.direction);
    }
    const DesignedLevel designed = designedLevelOf(design);
    EXPECT_EQ(designed.solution, level.solution);
    EXPECT_EQ(paletteCount(designed.start, *rowOfKind(PieceKind::Mirror)), 2);
}

TEST(LevelMeasuresTest, FailuresNameTheElementAtFaultAndARunOutSearchDecidesNothing)
{
    // Without the obstacle in row 2 one mirror in row 1 lights the lamp and
    // the other may go to many cells.
    DesignedLevel open = trapLevel();
    open.start.pieces[1].removed = true;
    const Measure unique = measureUnique(open.start);
    EXPECT_EQ(unique.state, MeasureState::Fails);
    ASSERT_TRUE(unique.element);
    EXPECT_EQ(unique.element->kind, PieceKind::Mirror);
    EXPECT_EQ(measureUnique(trapLevel().start, 1).state, MeasureState::Undecided);
    // A cancelled search decides nothing either, even with the level's count at hand.
    const std::atomic<bool> cancelled{true};
    const CountResult count = countSolutions(trapLevel().start, 2);
    EXPECT_EQ(measureMinimal(trapLevel(), {.cancel = &cancelled, .count = &count}).state,
              MeasureState::Undecided);
    EXPECT_FALSE(fewestPieces(trapLevel().start, {.cancel = &cancelled}, 2).isDecided);

    // An obstacle far from every beam is decoration.
    DesignedLevel decorated = trapLevel();
    decorated.start.pieces.insert(decorated.start.pieces.begin(),
                                  Piece{PieceKind::Obstacle, 9, 9, 0});
    const Measure minimal = measureMinimal(decorated);
    EXPECT_EQ(minimal.state, MeasureState::Fails);
    EXPECT_EQ(minimal.element, (MeasureElement{PieceKind::Obstacle, 9, 9}));

    // A bomb no beam can be sent to.
    DesignedLevel idle = trapLevel();
    place(idle.start, PieceKind::Bomb, 9, 9);
    EXPECT_EQ(measurePurposefulBombs(idle).element, (MeasureElement{PieceKind::Bomb, 9, 9}));

    // The cannon lights a lamp in its way at the start.
    DesignedLevel lit = trapLevel();
    place(lit.start, PieceKind::RedLamp, 1, 3);
    EXPECT_EQ(measureDarkStart(lit.start).element, (MeasureElement{PieceKind::RedLamp, 1, 3}));
    EXPECT_TRUE(measureDarkStart(lit.start, 1).holds());

    DesignedLevel crowded = trapLevel();
    for (int column = 5; column <= 9; ++column) {
        place(crowded.start, PieceKind::Bomb, column, 9);
    }
    EXPECT_EQ(measureRestraint(crowded.start).element, (MeasureElement{PieceKind::Bomb, 7, 9}));
}

// The level turned half round: every cell and every direction with it.
DesignedLevel turnedHalfRound(const DesignedLevel& level)
{
    DesignedLevel turned = level;
    for (Piece& piece : turned.start.pieces) {
        piece.column = 10 - piece.column;
        piece.row = 10 - piece.row;
        piece.direction = static_cast<std::uint8_t>((piece.direction + 4) % 8);
    }
    for (BeamSource& source : turned.start.sources) {
        source.column = 10 - source.column;
        source.row = 10 - source.row;
        source.direction = static_cast<std::uint8_t>((source.direction + 4) % 8);
    }
    for (Placement& p : turned.solution) {
        p.column = 10 - p.column;
        p.row = 10 - p.row;
        p.direction = static_cast<std::uint8_t>((p.direction + 4) % 8);
    }
    return turned;
}

TEST(LevelMeasuresTest, ATrickIsTheSameTurnedAndVarietyForbidsItAgainByTheSeriesRule)
{
    const DesignedLevel level = trapLevel();
    const DesignedLevel turned = turnedHalfRound(level);
    const auto path = safeOrder(level.start, level.solution);
    const auto turnedPath = safeOrder(turned.start, turned.solution);
    ASSERT_TRUE(path && turnedPath);
    const Trick trick = trickOf(level.start, *path);
    EXPECT_EQ(trickPieces(trick), 2);
    EXPECT_EQ(trickOf(turned.start, *turnedPath), trick);

    const Trick other{1, 2, 3};
    EXPECT_EQ(measureVariety({trick, trick}, 1, VarietyRule::Strict, 1).state, MeasureState::Fails);
    EXPECT_TRUE(
        measureVariety({trick, other, trick}, 2, VarietyRule::SmallTricksReturn, 1).holds());
    EXPECT_FALSE(measureVariety({trick, other, trick}, 2, VarietyRule::Strict, 31).holds());
    EXPECT_FALSE(
        measureVariety({other, trick, trick}, 2, VarietyRule::SmallTricksReturn, 1).holds());
}

} // namespace
} // namespace prismora
