// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The solver on small hand-made boards whose answers are easy to check by hand.
#include "core/solver.h"

#include "level_builder.h"

#include "core/level_file.h"
#include "core/solver_beam_search.h"
#include "core/solver_checks.h"
#include "core/solver_common.h"
#include "core/solver_score.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace prismora {
namespace {

using testing::playLevel;

void givePieces(Level& level, PieceKind kind, int count)
{
    level.palette[static_cast<std::size_t>(*rowOfKind(kind))] += count;
}

// Red cannon at column 1, row 5 firing east; red lamp at column 5, row 1.
Level oneMirrorLevel()
{
    Level game = playLevel();
    appendPiece(game, PieceKind::RedLamp, 5, 1, 0);
    appendCannon(game, 1, 5, 0, RedBeam);
    givePieces(game, PieceKind::Mirror, 1);
    return game;
}

TEST(SolverTest, FindsTheOneMirrorThatTurnsTheBeamIntoTheLamp)
{
    const Level game = oneMirrorLevel();
    const SolveResult result = solve(game);
    ASSERT_EQ(result.status, SolveStatus::Solved);
    ASSERT_EQ(result.solution.size(), 1u);
    EXPECT_EQ(result.solution[0], (Placement{PieceKind::Mirror, 5, 5, 3}));
    EXPECT_TRUE(solvesLevel(game, result.solution));
    // Only the cells on the beam were tried, each with few directions.
    EXPECT_LT(result.states, 100);
}

TEST(SolverTest, AnswersNoSolutionOrGivesUpAtTheBudget)
{
    Level walled = oneMirrorLevel();
    appendPiece(walled, PieceKind::Obstacle, 5, 2, 0);
    appendPiece(walled, PieceKind::Obstacle, 4, 1, 0);
    appendPiece(walled, PieceKind::Obstacle, 6, 1, 0);
    appendPiece(walled, PieceKind::Obstacle, 4, 2, 0);
    appendPiece(walled, PieceKind::Obstacle, 6, 2, 0);
    const SolveResult none = solve(walled);
    EXPECT_EQ(none.status, SolveStatus::NoSolution);
    EXPECT_TRUE(none.solution.empty());
    EXPECT_GE(none.states, 1);

    Level plenty = oneMirrorLevel();
    givePieces(plenty, PieceKind::DoubleMirror, 3);
    const SolveResult budget = solve(plenty, {.maxStates = 2});
    EXPECT_EQ(budget.status, SolveStatus::GaveUp);
    EXPECT_EQ(budget.reason, GiveUpReason::StateBudget);
    std::atomic<bool> cancelled{true};
    EXPECT_EQ(solve(plenty, {.cancel = &cancelled}).reason, GiveUpReason::Cancelled);
}

TEST(SolverTest, AlreadySolvedLevelNeedsNoPieceAndMaxPiecesLimitsTheDepth)
{
    Level solved = oneMirrorLevel();
    appendPiece(solved, PieceKind::Mirror, 5, 5, 3);
    const SolveResult none = solve(solved);
    EXPECT_EQ(none.status, SolveStatus::Solved);
    EXPECT_TRUE(none.solution.empty());
    EXPECT_EQ(none.states, 1);

    // Lamps at (5, 3) and (9, 2): up column 5, then along row 2.
    Level two = playLevel();
    appendPiece(two, PieceKind::RedLamp, 5, 3, 0);
    appendPiece(two, PieceKind::RedLamp, 9, 2, 0);
    appendCannon(two, 1, 5, 0, RedBeam);
    givePieces(two, PieceKind::Mirror, 2);
    EXPECT_EQ(solve(two, {.maxPieces = 1}).status, SolveStatus::NoSolution);
    const SolveResult full = solve(two);
    ASSERT_EQ(full.status, SolveStatus::Solved);
    EXPECT_EQ(full.solution.size(), 2u);
}

TEST(SolverTest, AvoidsBombsAndBlocksABeamHeadingForOne)
{
    // The cannon's beam runs straight into a bomb at column 9; a green lamp
    // elsewhere is lit by a second cannon. The one mirror must stop the red
    // beam without sending it anywhere harmful.
    Level game = playLevel();
    appendPiece(game, PieceKind::Bomb, 9, 5, 0);
    appendPiece(game, PieceKind::GreenLamp, 5, 9, 0);
    appendCannon(game, 1, 5, 0, RedBeam);
    appendCannon(game, 5, 1, 6, GreenBeam);
    givePieces(game, PieceKind::Mirror, 1);
    ASSERT_EQ(verdictAfter(game, {}), Verdict::Bomb);
    const SolveResult result = solve(game);
    ASSERT_EQ(result.status, SolveStatus::Solved);
    EXPECT_EQ(verdictAfter(game, result.solution), Verdict::Solved);
}

TEST(SolverTest, IsDeterministic)
{
    Level game = oneMirrorLevel();
    appendPiece(game, PieceKind::BlueLamp, 9, 9, 0);
    appendCannon(game, 9, 1, 4, BlueBeam);
    givePieces(game, PieceKind::DoubleMirror, 2);
    const SolveResult first = solve(game);
    const SolveResult second = solve(game);
    ASSERT_EQ(first.status, SolveStatus::Solved);
    EXPECT_EQ(first.solution, second.solution);
    EXPECT_EQ(first.states, second.states);
}

// The analysis pauses the count at its first solution and walks on later:
// the stretches add up to the one walk, solutions and states alike.
TEST(SolverTest, AWalkInStretchesFindsWhatOneWalkFinds)
{
    const auto loaded =
        loadLevel(std::filesystem::path(PRISMORA_TEST_DATA) / "hard_levels" / "hard01.prl");
    ASSERT_TRUE(loaded.ok());
    Level level = loaded.value().level;
    const CountResult whole = countSolutions(level, 5);
    ASSERT_GE(whole.solutions, 2);
    SolutionWalk walk(level, 5, {});
    const CountResult first = walk.walkOn(1, 0);
    ASSERT_EQ(first.solutions, 1);
    ASSERT_FALSE(walk.isOver());
    const CountResult rest = walk.walkOn(5, 0);
    EXPECT_TRUE(walk.isOver());
    EXPECT_EQ(rest.found, whole.found);
    EXPECT_EQ(rest.states, whole.states);
}

// Cannon -> T-coupling A -> its output feeds T-coupling B -> B's output lights
// the lamp. Placed B first, the chain works in play but not once the position
// is saved and loaded (outputs then come before the cannon in the table).
TEST(SolverTest, SolutionsAlsoHoldWhenTheSolvedPositionIsLoadedAgain)
{
    Level game = playLevel();
    appendPiece(game, PieceKind::RedLamp, 1, 3, 0);
    appendCannon(game, 1, 5, 0, RedBeam);
    givePieces(game, PieceKind::TCoupling, 2);
    const Placement first{PieceKind::TCoupling, 3, 5, 4};
    const Placement second{PieceKind::TCoupling, 3, 3, 6};
    const std::vector<Placement> reversed{second, first};
    EXPECT_EQ(verdictAfter(game, reversed), Verdict::Solved);
    EXPECT_FALSE(solvesLevel(game, reversed));
    EXPECT_TRUE(solvesLevel(game, std::vector<Placement>{first, second}));

    Level played = game;
    placePieces(played, reversed);
    const Level loaded = reloadedLevel(played);
    EXPECT_EQ(loaded.pieces[1].output, 0);
    EXPECT_TRUE(loaded.sources[2].isCannon());

    const SolveResult result = solve(game);
    ASSERT_EQ(result.status, SolveStatus::Solved);
    EXPECT_TRUE(solvesLevel(game, result.solution));
}

// Three T-couplings each fed by the one before: placed last-first, the third
// output is never traced (two passes are not enough), so the lamp stays dark.
TEST(SolverChecksTest, FindsAPlacingOrderThatBreaksADeepChain)
{
    Level game = playLevel();
    appendPiece(game, PieceKind::RedLamp, 2, 7, 0);
    appendCannon(game, 1, 5, 0, RedBeam);
    const std::vector<Placement> chain{{PieceKind::TCoupling, 3, 5, 4},
                                       {PieceKind::TCoupling, 3, 3, 6},
                                       {PieceKind::TCoupling, 2, 3, 0}};
    EXPECT_EQ(verdictAfter(game, chain), Verdict::Solved);
    const auto failing = orderThatFails(game, chain, 1, 0);
    ASSERT_TRUE(failing.has_value());
    EXPECT_NE(verdictAfter(game, *failing), Verdict::Solved);

    const Level single = oneMirrorLevel();
    const std::vector<Placement> mirror{{PieceKind::Mirror, 5, 5, 3}};
    EXPECT_FALSE(orderThatFails(single, mirror, 1, 0).has_value());
    EXPECT_TRUE(solvableWith(single, 1));

    Level placed = single;
    placePieces(placed, mirror);
    EXPECT_EQ(placedPieces(placed), mirror);
}

int scoreOf(const Level& level)
{
    const Evaluation evaluation = evaluate(level);
    return positionScore(level, evaluation, ColourCoverage(evaluation));
}

// Every colour that reaches a white lamp must raise the score, even though it
// stops counting as "in line" or "exists" for that lamp: otherwise the search
// would prefer positions short of the goal.
// A stranger's file may hold a dozen splitting pieces: the orders of a
// final position's are tried up to a bound (every order of seven), and the
// caller learns that it stopped there.
TEST(SolverChecksTest, TriesEveryOrderOfSevenSplittingPiecesAndNoMore)
{
    const Level game = oneMirrorLevel();
    std::vector<Placement> splitting;
    for (int column = 2; column <= 9; ++column) {
        splitting.push_back({PieceKind::TCoupling, column, 9, 0});
    }
    Level work = game;
    bool isCut = false;
    EXPECT_FALSE(workingOrder(game, work, splitting, &isCut));
    EXPECT_TRUE(isCut);
    splitting.pop_back();
    isCut = false;
    EXPECT_FALSE(workingOrder(game, work, splitting, &isCut));
    EXPECT_FALSE(isCut);
}

TEST(SolverScoreTest, EachColourReachingAWhiteLampRaisesTheScore)
{
    Level board = playLevel();
    appendPiece(board, PieceKind::WhiteLamp, 5, 5, 0);
    appendCannon(board, 1, 1, 0, RedBeam);   // along row 1, across the lamp's column
    appendCannon(board, 9, 9, 2, GreenBeam); // up column 9, across the lamp's row
    appendCannon(board, 1, 9, 1, BlueBeam);  // the diagonal through the lamp
    const int blueOnly = scoreOf(board);
    appendPiece(board, PieceKind::Mirror, 5, 1, 5); // red turned south through the lamp
    const int blueRed = scoreOf(board);
    EXPECT_GT(blueRed, blueOnly);
    appendPiece(board, PieceKind::Mirror, 9, 5, 5); // green turned west through it
    ASSERT_EQ(evaluate(board).verdict, Verdict::Solved);
    EXPECT_GT(scoreOf(board), blueRed);
}

// A player may drop a piece on a cannon's cell, and the piece acts on the
// beams arriving there: this level (an early master level) is then solved by
// three pieces, a mirror on the red cannon's cell among them.
TEST(SolverTest, PutsPiecesOnCannonsCellsToo)
{
    const auto loaded =
        loadLevel(std::filesystem::path(PRISMORA_TEST_DATA) / "hard_levels" / "cannon_cell.prl");
    ASSERT_TRUE(loaded.ok());
    const Level& level = loaded.value().level;
    const std::vector<Placement> three{
        {PieceKind::Mirror, 9, 8, 3}, {PieceKind::Cross, 5, 8, 0}, {PieceKind::Mirror, 4, 7, 0}};
    EXPECT_TRUE(solvesLevel(level, three));
    const SolveResult result = solve(level, {.maxPieces = 3});
    ASSERT_EQ(result.status, SolveStatus::Solved);
    EXPECT_TRUE(solvesLevel(level, result.solution));
    EXPECT_GT(countSolutions(level, 2).solutions, 1);
}

// Planted 4- to 6-piece levels with several cannons, white lamps and bombs
// (tests/data/hard_levels; the benchmark solves all twenty).
TEST(SolverTest, DecidesHardPlantedLevels)
{
    for (const char* name : {"hard16.prl", "hard18.prl", "hard20.prl"}) {
        const auto loaded =
            loadLevel(std::filesystem::path(PRISMORA_TEST_DATA) / "hard_levels" / name);
        ASSERT_TRUE(loaded.ok()) << name;
        const Level& level = loaded.value().level;
        const SolveResult result = solve(level, {.maxSeconds = 0});
        ASSERT_EQ(result.status, SolveStatus::Solved) << name;
        EXPECT_TRUE(solvesLevel(level, result.solution)) << name;
    }
}

} // namespace
} // namespace prismora
