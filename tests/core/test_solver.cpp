// The solver on small hand-made boards whose answers are easy to check by hand.
#include "core/solver.h"

#include "core/solver_checks.h"
#include "core/solver_moves.h"
#include "core/solver_score.h"

#include <gtest/gtest.h>

namespace prismora {
namespace {

// A play-mode game: the board as built by the caller, the seven play rows.
Game EmptyGame()
{
    Game game;
    game.palette.AppendRows(0, PlayRowCount - 1);
    return game;
}

void GivePieces(Game& game, PieceKind kind, int count)
{
    for (int i = 0; i < count; ++i) {
        game.palette.Increase(*KindToRow(kind));
    }
}

// Red cannon at column 1, row 5 firing east; red lamp at column 5, row 1.
Game OneMirrorGame()
{
    Game game = EmptyGame();
    game.board.AppendPiece(PieceKind::RedLamp, 5, 1, 0);
    game.board.AppendCannon(1, 5, 0, RedBeam);
    GivePieces(game, PieceKind::Mirror, 1);
    return game;
}

TEST(SolverTest, FindsTheOneMirrorThatTurnsTheBeamIntoTheLamp)
{
    const Game game = OneMirrorGame();
    const SolveResult result = Solve(game);
    ASSERT_EQ(result.status, SolveStatus::Solved);
    ASSERT_EQ(result.solution.size(), 1u);
    EXPECT_EQ(result.solution[0], (Placement{PieceKind::Mirror, 5, 5, 3}));
    EXPECT_TRUE(SolvesBoard(game.board, result.solution));
    // Only the cells on the beam were tried, each with few directions.
    EXPECT_LT(result.states, 40);
}

TEST(SolverTest, AnswersNoSolutionOrGivesUpAtTheBudget)
{
    Game walled = OneMirrorGame();
    walled.board.AppendPiece(PieceKind::Obstacle, 5, 2, 0);
    walled.board.AppendPiece(PieceKind::Obstacle, 4, 1, 0);
    walled.board.AppendPiece(PieceKind::Obstacle, 6, 1, 0);
    walled.board.AppendPiece(PieceKind::Obstacle, 4, 2, 0);
    walled.board.AppendPiece(PieceKind::Obstacle, 6, 2, 0);
    const SolveResult none = Solve(walled);
    EXPECT_EQ(none.status, SolveStatus::NoSolution);
    EXPECT_TRUE(none.solution.empty());
    EXPECT_GT(none.states, 1);

    Game plenty = walled;
    GivePieces(plenty, PieceKind::DoubleMirror, 3);
    const SolveResult budget = Solve(plenty, {.maxStates = 50});
    EXPECT_EQ(budget.status, SolveStatus::GaveUp);
    EXPECT_EQ(budget.states, 50);
}

TEST(SolverTest, AlreadySolvedLevelNeedsNoPieceAndMaxPiecesLimitsTheDepth)
{
    Game solved = OneMirrorGame();
    solved.board.AppendPiece(PieceKind::Mirror, 5, 5, 3);
    const SolveResult none = Solve(solved);
    EXPECT_EQ(none.status, SolveStatus::Solved);
    EXPECT_TRUE(none.solution.empty());
    EXPECT_EQ(none.states, 1);

    // Lamps at (5, 3) and (9, 2): up column 5, then along row 2.
    Game two = EmptyGame();
    two.board.AppendPiece(PieceKind::RedLamp, 5, 3, 0);
    two.board.AppendPiece(PieceKind::RedLamp, 9, 2, 0);
    two.board.AppendCannon(1, 5, 0, RedBeam);
    GivePieces(two, PieceKind::Mirror, 2);
    EXPECT_EQ(Solve(two, {.maxPieces = 1}).status, SolveStatus::NoSolution);
    const SolveResult full = Solve(two);
    ASSERT_EQ(full.status, SolveStatus::Solved);
    EXPECT_EQ(full.solution.size(), 2u);
}

TEST(SolverTest, AvoidsBombsAndBlocksABeamHeadingForOne)
{
    // The cannon's beam runs straight into a bomb at column 9; a green lamp
    // elsewhere is lit by a second cannon. The one mirror must stop the red
    // beam without sending it anywhere harmful.
    Game game = EmptyGame();
    game.board.AppendPiece(PieceKind::Bomb, 9, 5, 0);
    game.board.AppendPiece(PieceKind::GreenLamp, 5, 9, 0);
    game.board.AppendCannon(1, 5, 0, RedBeam);
    game.board.AppendCannon(5, 1, 6, GreenBeam);
    GivePieces(game, PieceKind::Mirror, 1);
    ASSERT_EQ(VerdictAfter(game.board, {}), Verdict::Bomb);
    const SolveResult result = Solve(game);
    ASSERT_EQ(result.status, SolveStatus::Solved);
    EXPECT_EQ(VerdictAfter(game.board, result.solution), Verdict::Solved);
}

TEST(SolverTest, IsDeterministic)
{
    Game game = OneMirrorGame();
    game.board.AppendPiece(PieceKind::BlueLamp, 9, 9, 0);
    game.board.AppendCannon(9, 1, 4, BlueBeam);
    GivePieces(game, PieceKind::DoubleMirror, 2);
    const SolveResult first = Solve(game);
    const SolveResult second = Solve(game);
    ASSERT_EQ(first.status, SolveStatus::Solved);
    EXPECT_EQ(first.solution, second.solution);
    EXPECT_EQ(first.states, second.states);
}

// Cannon -> T-coupling A -> its output feeds T-coupling B -> B's output lights
// the lamp. Placed B first, the chain works in play but not once the position
// is saved and loaded (outputs then come before the cannon in the table).
TEST(SolverTest, SolutionsAlsoHoldWhenTheSolvedPositionIsLoadedAgain)
{
    Game game = EmptyGame();
    game.board.AppendPiece(PieceKind::RedLamp, 1, 3, 0);
    game.board.AppendCannon(1, 5, 0, RedBeam);
    GivePieces(game, PieceKind::TCoupling, 2);
    const Placement first{PieceKind::TCoupling, 3, 5, 4};
    const Placement second{PieceKind::TCoupling, 3, 3, 6};
    const std::vector<Placement> reversed{second, first};
    EXPECT_EQ(VerdictAfter(game.board, reversed), Verdict::Solved);
    EXPECT_FALSE(SolvesBoard(game.board, reversed));
    EXPECT_TRUE(SolvesBoard(game.board, std::vector<Placement>{first, second}));

    Board played = game.board;
    PlacePieces(played, reversed);
    const Board loaded = ReloadedBoard(played);
    EXPECT_EQ(loaded.Pieces[1].EmitterIndex, 0);
    EXPECT_TRUE(loaded.Emitters[2].IsCannon);

    const SolveResult result = Solve(game);
    ASSERT_EQ(result.status, SolveStatus::Solved);
    EXPECT_TRUE(SolvesBoard(game.board, result.solution));
}

TEST(SolverMovesTest, DirectionsAreGroupedByWhatTheyDoToTheArrivingBeams)
{
    const ResponseTable rules;
    const std::vector<Arrival> east{{0, RedBeam}};
    // A mirror turns an eastward beam left or right, or blocks it.
    EXPECT_EQ(rules.DistinctDirections(PieceKind::Mirror, east).size(), 3u);
    // An inverter passes it on in either colour cycle, or blocks it.
    EXPECT_EQ(rules.DistinctDirections(PieceKind::Inverter, east).size(), 3u);
    EXPECT_EQ(rules.Respond(PieceKind::Inverter, 0, east[0]).outputColor, GreenBeam);
    // With no beam there every direction is alike.
    EXPECT_EQ(rules.DistinctDirections(PieceKind::Cross, {}).size(), 1u);

    Board board;
    board.AppendCannon(1, 5, 0, RedBeam);
    board.AppendPiece(PieceKind::Obstacle, 4, 5, 0);
    BeamCrossings crossings;
    TraceAll(board, &crossings);
    const auto cells = crossings.FreeCrossedCells(board);
    ASSERT_EQ(cells.size(), 2u); // columns 2 and 3; the obstacle's cell is taken
    EXPECT_EQ(cells[0], (std::array<int, 2>{2, 5}));
    EXPECT_EQ(crossings.ArrivalsAt(3, 5), east);
}

// Three T-couplings each fed by the one before: placed last-first, the third
// output is never traced (two passes are not enough), so the lamp stays dark.
TEST(SolverChecksTest, FindsAPlacingOrderThatBreaksADeepChain)
{
    Game game = EmptyGame();
    game.board.AppendPiece(PieceKind::RedLamp, 2, 7, 0);
    game.board.AppendCannon(1, 5, 0, RedBeam);
    const std::vector<Placement> chain{{PieceKind::TCoupling, 3, 5, 4},
                                       {PieceKind::TCoupling, 3, 3, 6},
                                       {PieceKind::TCoupling, 2, 3, 0}};
    EXPECT_EQ(VerdictAfter(game.board, chain), Verdict::Solved);
    const auto failing = OrderThatFails(game.board, chain, 1, 0);
    ASSERT_TRUE(failing.has_value());
    EXPECT_NE(VerdictAfter(game.board, *failing), Verdict::Solved);

    const Game single = OneMirrorGame();
    const std::vector<Placement> mirror{{PieceKind::Mirror, 5, 5, 3}};
    EXPECT_FALSE(OrderThatFails(single.board, mirror, 1, 0).has_value());
    EXPECT_TRUE(SolvableWith(single, 1));

    Board placed = single.board;
    PlacePieces(placed, mirror);
    EXPECT_EQ(PlacedPieces(placed), mirror);
}

int ScoreOf(Board board)
{
    ColourCoverage coverage;
    EvaluateBoard(board, &coverage);
    return PositionScore(board, coverage);
}

// Every colour that reaches a white lamp must raise the score, even though it
// stops counting as "in line" or "exists" for that lamp: otherwise the search
// would prefer positions short of the goal.
TEST(SolverScoreTest, EachColourReachingAWhiteLampRaisesTheScore)
{
    Board board;
    board.AppendPiece(PieceKind::WhiteLamp, 5, 5, 0);
    board.AppendCannon(1, 1, 0, RedBeam);   // along row 1, across the lamp's column
    board.AppendCannon(9, 9, 2, GreenBeam); // up column 9, across the lamp's row
    board.AppendCannon(1, 9, 1, BlueBeam);  // the diagonal through the lamp
    const int blueOnly = ScoreOf(board);
    board.AppendPiece(PieceKind::Mirror, 5, 1, 5); // red turned south through the lamp
    const int blueRed = ScoreOf(board);
    EXPECT_GT(blueRed, blueOnly);
    board.AppendPiece(PieceKind::Mirror, 9, 5, 5); // green turned west through it
    Board judged = board;
    ASSERT_EQ(EvaluateBoard(judged, nullptr).verdict, Verdict::Solved);
    EXPECT_GT(ScoreOf(board), blueRed);
}

} // namespace
} // namespace prismora
