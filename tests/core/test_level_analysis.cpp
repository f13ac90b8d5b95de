// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The workbench's analysis of a design: how many solutions, where two differ, a bomb at the start.
#include "level_builder.h"

#include "core/difficulty.h"
#include "core/lead_questions.h"
#include "core/level_analysis.h"
#include "core/level_file.h"
#include "core/nearby_solutions.h"
#include "core/palette.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>

namespace prismora {
namespace {

using testing::cannon;
using testing::place;

Level editLevel()
{
    Level level;
    level.mode = Mode::Edit;
    level.palette.assign(EditRowCount, 0);
    return level;
}

// A red lamp at `lampColumn`, row 5; red cannons at (1, 2) firing east and at
// (9, 9) firing north; the designer's mirror stands at (5, 2), not yet turned
// right (the analysis then works with the solver's own solution). With the
// lamp at column 5 a mirror at (5, 2) turning the first beam south or one at
// (9, 5) turning the second west lights it.
Level twoCannonDesign(int lampColumn)
{
    Level level = editLevel();
    place(level, PieceKind::RedLamp, lampColumn, 5);
    place(level, PieceKind::Mirror, 5, 2, 1);
    cannon(level, 1, 2, 0, RedBeam);
    cannon(level, 9, 9, 2, RedBeam);
    return level;
}

TEST(LevelAnalysis, CountsTheSolutionsAndNamesWhereTwoDiffer)
{
    const LevelAnalysis two = analyseLevel(twoCannonDesign(5));
    EXPECT_FALSE(two.isCancelled);
    EXPECT_EQ(two.solutions, 2);
    EXPECT_TRUE(two.isExhaustive);
    ASSERT_EQ(two.shownSolutions.size(), 2u);
    using CellPair = std::pair<std::int32_t, std::int32_t>;
    EXPECT_EQ(cellsWhereSolutionsDiffer(two.shownSolutions[0], two.shownSolutions[1]),
              (std::vector<CellPair>{{5, 2}, {9, 5}}));
    EXPECT_EQ(two.fewestPieces, 1);
    EXPECT_TRUE(two.difficulty);
    EXPECT_FALSE(two.isBombAtStart);
    ASSERT_EQ(two.measures.size(), levelMeasures().size());
    EXPECT_EQ(two.measures[0].key, "unique");
    EXPECT_FALSE(two.measures[0].measure.holds());

    const LevelAnalysis one = analyseLevel(twoCannonDesign(1));
    EXPECT_EQ(one.solutions, 1);
    EXPECT_TRUE(one.isExhaustive);
    EXPECT_EQ(one.shownSolutions.size(), 1u);
    EXPECT_TRUE(one.measures[0].measure.holds());

    // A count that reaches its limit is a lower bound, not the whole count.
    const LevelAnalysis capped = analyseLevel(twoCannonDesign(5), {.countLimit = 2});
    EXPECT_EQ(capped.solutions, 2);
    EXPECT_FALSE(capped.isExhaustive);

    const std::atomic<bool> cancelled{true};
    EXPECT_TRUE(analyseLevel(twoCannonDesign(5), {.cancel = &cancelled}).isCancelled);
}

// What the count and minimal take from the neighbours of a solution must be
// another solution the count would find, never the known one again.
TEST(LevelAnalysis, ASecondSolutionIsFoundNearTheFirst)
{
    const Level two = startPositionOf(twoCannonDesign(5));
    const CountResult first = countSolutions(two, 1);
    ASSERT_EQ(first.found.size(), 1u);
    const NearbySolutions nearby = nearbySolutions(two, first.found, 3);
    ASSERT_EQ(nearby.found.size(), 1u);
    EXPECT_TRUE(solvesLevel(two, nearby.found[0]));
    EXPECT_FALSE(cellsWhereSolutionsDiffer(first.found[0], nearby.found[0]).empty());

    const Level one = startPositionOf(twoCannonDesign(1));
    EXPECT_TRUE(nearbySolutions(one, countSolutions(one, 1).found, 1).found.empty());

    // A walk cut short after the first solution: the neighbours make up a
    // limit of two, but a whole count (below the limit) is still walked.
    const LevelAnalysis madeUp =
        analyseLevel(twoCannonDesign(5), {.countLimit = 2, .quickStates = 30});
    EXPECT_EQ(madeUp.solutions, 2);
    EXPECT_FALSE(madeUp.isExhaustive);
    ASSERT_EQ(madeUp.shownSolutions.size(), 2u);
    EXPECT_FALSE(
        cellsWhereSolutionsDiffer(madeUp.shownSolutions[0], madeUp.shownSolutions[1]).empty());
    const LevelAnalysis walked =
        analyseLevel(twoCannonDesign(5), {.countLimit = 3, .quickStates = 30});
    EXPECT_EQ(walked.solutions, 2);
    EXPECT_TRUE(walked.isExhaustive);
}

// Minimal and the fewest pieces are searched beside the count, before it
// is known whether they are wanted; what they give, states included, is
// what they give when searched after it.
TEST(LevelAnalysis, WhatIsSearchedBesideTheCountIsWhatIsFoundAfterIt)
{
    const Level design = twoCannonDesign(1);
    // A walk paused at its first solution: minimal is asked while it walks on.
    const LevelAnalysis beside = analyseLevel(design, {.quickStates = 1});
    const LevelAnalysis after = analyseLevel(design);
    ASSERT_EQ(beside.measures.size(), after.measures.size());
    EXPECT_EQ(beside.measures[1].key, "minimal");
    EXPECT_EQ(beside.measures[1].measure.state, after.measures[1].measure.state);
    EXPECT_EQ(beside.measures[1].measure.states, after.measures[1].measure.states);
    EXPECT_EQ(beside.fewestPieces, after.fewestPieces);

    // A count stopped at its limit takes the fewest pieces from the searches made beside it.
    const auto loaded =
        loadLevel(std::filesystem::path(PRISMORA_TEST_DATA) / "hard_levels" / "hard01.prl");
    ASSERT_TRUE(loaded.ok());
    const Level& many = loaded.value().level;
    const LevelAnalysis capped = analyseLevel(many, {.countLimit = 2});
    EXPECT_FALSE(capped.isExhaustive);
    EXPECT_EQ(capped.fewestPieces, fewestPieces(many, 0).pieces);
}

// The questions whether a placement leads anywhere, asked together with
// each one's solutions tried on the others, get the answers each gets asked
// of the solver alone.
TEST(LevelAnalysis, PlacementsAskedTogetherAreAnsweredAsEachAlone)
{
    const auto loaded =
        loadLevel(std::filesystem::path(PRISMORA_TEST_DATA).parent_path().parent_path() / "levels" /
                  "Level11.prl");
    ASSERT_TRUE(loaded.ok());
    const Level& start = loaded.value().level;
    const CountResult count = countSolutions(start, 10);
    std::set<std::pair<int, int>> cells;
    for (const std::vector<Placement>& solution : count.found) {
        for (const Placement& p : solution) {
            cells.insert({p.column, p.row});
        }
    }
    std::vector<LeadQuestion> questions;
    for (const auto& [column, row] : cells) {
        for (int paletteRow = 0; paletteRow < PlayRowCount; ++paletteRow) {
            for (std::uint8_t direction = 0; direction < 8 && paletteCount(start, paletteRow) > 0;
                 ++direction) {
                const Placement tried{*kindOfRow(paletteRow), column, row, direction};
                Level after = start;
                ASSERT_TRUE(placePieces(after, std::span(&tried, 1)));
                changePaletteCount(after, paletteRow, -1);
                questions.push_back({std::move(after), {tried}});
            }
        }
    }
    const std::vector<bool> together = leadsNowhere(questions, {}, {}, 2, 1, 1'000'000);
    ASSERT_EQ(together.size(), questions.size());
    int answeredYes = 0;
    for (std::size_t i = 0; i < questions.size(); ++i) {
        const bool alone = solve(questions[i].after).status != SolveStatus::Solved;
        EXPECT_EQ(together[i], alone) << i;
        answeredYes += alone ? 0 : 1;
    }
    EXPECT_GT(answeredYes, 1);
}

// A design whose own solution solves it is counted from that solution's
// neighbours first: the designer's comes first among those shown.
TEST(LevelAnalysis, ADesignIsCountedFromItsOwnSolution)
{
    Level design = twoCannonDesign(5);
    for (std::uint8_t direction = 0; direction < 8; ++direction) {
        design.pieces[1].direction = direction;
        const DesignedLevel designed = designedLevelOf(design);
        if (!solvesLevel(designed.start, designed.solution)) {
            continue;
        }
        const LevelAnalysis capped = analyseLevel(design, {.countLimit = 2});
        EXPECT_EQ(capped.solutions, 2);
        EXPECT_FALSE(capped.isExhaustive);
        ASSERT_EQ(capped.shownSolutions.size(), 2u);
        EXPECT_TRUE(cellsWhereSolutionsDiffer(capped.shownSolutions[0], designed.solution).empty());
        return;
    }
    FAIL() << "no turn of the designer's mirror lights the lamp";
}

TEST(LevelAnalysis, TheStartPositionTellsABombHitAndALevelWithoutLamps)
{
    // The designer's mirror at (3, 5) turns the beam north to the lamp; in the
    // hand, the beam runs on into the bomb at (6, 5).
    Level design = editLevel();
    place(design, PieceKind::RedLamp, 3, 1);
    const int bomb = place(design, PieceKind::Bomb, 6, 5);
    place(design, PieceKind::Mirror, 3, 5, 3);
    cannon(design, 1, 5, 0, RedBeam);
    EXPECT_TRUE(isBombAtStart(design));
    const LevelAnalysis analysis = analyseLevel(design);
    EXPECT_TRUE(analysis.isBombAtStart);
    EXPECT_FALSE(analysis.hasNoLamp);
    design.pieces[static_cast<std::size_t>(bomb)].row = 6;
    EXPECT_FALSE(isBombAtStart(design));

    const LevelAnalysis empty = analyseLevel(editLevel());
    EXPECT_EQ(empty.solutions, 0);
    EXPECT_TRUE(empty.hasNoLamp);
}

} // namespace
} // namespace prismora
