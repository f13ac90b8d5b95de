// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Hints: following them solves every shipped level; placed pieces are kept or named to take back.
#include "core/hint.h"

#include "level_builder.h"

#include "core/evaluation.h"
#include "core/level_file.h"
#include "core/palette.h"
#include "core/safe_path.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

namespace prismora {
namespace {

using testing::cannon;
using testing::place;
using testing::playLevel;

const std::atomic<bool> notCancelled{false};

// Puts the hinted piece on the board from the hand, as a player would.
void follow(Level& level, const Hint& hint)
{
    ASSERT_EQ(hint.kind, HintKind::Place);
    const Placement& p = hint.placement;
    const int row = *rowOfKind(p.kind);
    ASSERT_GT(paletteCount(level, row), 0) << "the hint uses a piece in hand";
    place(level, p.kind, p.column, p.row, p.direction);
    changePaletteCount(level, row, -1);
}

TEST(HintTest, FollowingTheHintsSolvesEveryShippedLevel)
{
    const auto series = std::filesystem::path(PRISMORA_TEST_DATA).parent_path().parent_path();
    for (int number = 1; number <= 30; ++number) {
        char name[32];
        std::snprintf(name, sizeof name, "levels/Level%02d.prl", number);
        auto loaded = loadLevel(series / name);
        ASSERT_TRUE(loaded.ok()) << name;
        Level level = loaded.value().level;
        for (int step = 0; step < 20 && !evaluate(level).isFinished(); ++step) {
            follow(level, findHint(level, notCancelled));
        }
        EXPECT_EQ(evaluate(level).verdict, Verdict::Solved) << name;
        EXPECT_EQ(findHint(level, notCancelled).kind, HintKind::AlreadySolved);
    }
}

// A red cannon at column 1, row 5 firing east and a red lamp at column 5,
// row 3 behind an obstacle: two double mirrors turn the beam north and then
// east or west.
Level twoMirrorLevel()
{
    Level level = playLevel();
    place(level, PieceKind::RedLamp, 5, 3);
    place(level, PieceKind::Obstacle, 5, 4);
    cannon(level, 1, 5, 0, RedBeam);
    level.palette[static_cast<std::size_t>(*rowOfKind(PieceKind::DoubleMirror))] = 2;
    return level;
}

TEST(HintTest, KeepsAPlacedPieceThatActsAsTheSolutionsOneAndNamesOneThatDoesNot)
{
    Level level = twoMirrorLevel();
    const Hint first = findHint(level, notCancelled);
    ASSERT_EQ(first.kind, HintKind::Place);

    // The first piece turned half round reflects alike: the hint goes on.
    Hint turned = first;
    turned.placement.direction = static_cast<std::uint8_t>((first.placement.direction + 4) % 8);
    Level kept = level;
    follow(kept, turned);
    const Hint second = findHint(kept, notCancelled);
    ASSERT_EQ(second.kind, HintKind::Place);
    EXPECT_NE(second.placement, first.placement);

    // A piece in a cell no solution uses is the one to take back.
    Level wrong = level;
    const int stray = place(wrong, PieceKind::DoubleMirror, 8, 8, 1);
    changePaletteCount(wrong, 1, -1);
    follow(wrong, first);
    EXPECT_EQ(findHint(wrong, notCancelled), (Hint{HintKind::TakeBack, {}, stray}));
    EXPECT_EQ(findHint(withPiecesTakenBack(wrong, {stray}), notCancelled).kind, HintKind::Place);
}

// A red cannon at column 1, row 9 firing north, stopped by an obstacle in
// row 2; a red lamp at column 3, row 1; a bomb at column 5, row 3. Two
// mirrors at (1,3) and (3,3) solve it, but the first one alone sends the
// beam along row 3 into the bomb.
Level bombOnTheWayLevel()
{
    Level level = playLevel();
    place(level, PieceKind::RedLamp, 3, 1);
    place(level, PieceKind::Obstacle, 1, 2);
    place(level, PieceKind::Bomb, 5, 3);
    cannon(level, 1, 9, 2, RedBeam);
    level.palette[static_cast<std::size_t>(*rowOfKind(PieceKind::Mirror))] = 2;
    return level;
}

TEST(HintTest, NeverLeadsIntoABombAndTellsWhereAPieceJustTakenGoes)
{
    const Level level = bombOnTheWayLevel();
    const std::vector<Placement> solution{{PieceKind::Mirror, 1, 3, 7},
                                          {PieceKind::Mirror, 3, 3, 3}};
    EXPECT_EQ(safeOrder(level, solution), (std::vector{solution[1], solution[0]}));

    Level followed = level;
    for (int step = 0; step < 4 && !evaluate(followed).isFinished(); ++step) {
        const Hint hint = findHint(followed, notCancelled);
        ASSERT_EQ(hint.kind, HintKind::Place);
        EXPECT_TRUE(isSafeStep(followed, hint.placement)) << "step " << step;
        follow(followed, hint);
    }
    EXPECT_EQ(evaluate(followed).verdict, Verdict::Solved);

    // A mirror just taken waits at column 1, row 1 facing east: the hint
    // moves it rather than naming a piece still in the hand.
    Level taken = level;
    const int arrived = place(taken, PieceKind::Mirror, 1, 1, 0);
    changePaletteCount(taken, *rowOfKind(PieceKind::Mirror), -1);
    const Hint moved = findHint(taken, notCancelled);
    EXPECT_EQ(moved.kind, HintKind::Place);
    EXPECT_EQ(moved.piece, arrived);
    EXPECT_TRUE(isSafeStep(withPiecesTakenBack(taken, {arrived}), moved.placement));
}

TEST(HintTest, ReportsAnUnsolvableLevelAndACancelledSearch)
{
    Level walled = twoMirrorLevel();
    place(walled, PieceKind::Obstacle, 2, 5);
    EXPECT_EQ(findHint(walled, notCancelled).kind, HintKind::NoSolution);
    const std::atomic<bool> cancelled{true};
    EXPECT_EQ(findHint(twoMirrorLevel(), cancelled).kind, HintKind::Cancelled);
}

} // namespace
} // namespace prismora
