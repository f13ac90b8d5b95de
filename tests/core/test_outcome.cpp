// The verdict: lamp counts, the four status texts and Finished.
#include "board_fixture.h"

#include "core/outcome.h"

#include <gtest/gtest.h>

namespace prismora {
namespace {

using testing::Cannon;
using testing::Place;

TEST(OutcomeTest, ADarkLampIsCountedAndNamedInTheStatus)
{
    Board board;
    Cannon(board, 1, 1, 0, GreenBeam);
    Place(board, PieceKind::RedLamp, 4, 1);
    const VerdictResult verdict = EvaluateBoard(board, nullptr);
    EXPECT_EQ(verdict.verdict, Verdict::LampsLeft);
    EXPECT_EQ(verdict.status, "1 lampor kvar att tända");
    EXPECT_FALSE(board.Finished);
}

TEST(OutcomeTest, AWhiteLampNeedsAllThreeColours)
{
    Board board;
    Cannon(board, 1, 5, 0, RedBeam);
    Cannon(board, 5, 9, 2, BlueBeam);
    const int white = Place(board, PieceKind::WhiteLamp, 5, 5);
    VerdictResult verdict = EvaluateBoard(board, nullptr);
    EXPECT_FALSE(board.Pieces[white].Lit);
    EXPECT_EQ(verdict.status, "1 lampor kvar att tända");

    Cannon(board, 9, 5, 4, GreenBeam);
    verdict = EvaluateBoard(board, nullptr);
    EXPECT_TRUE(board.Pieces[white].Lit);
    EXPECT_EQ(verdict.verdict, Verdict::Solved);
    EXPECT_EQ(verdict.status, "Grattis! Du klarade det :)");
    EXPECT_TRUE(board.Finished);
}

TEST(OutcomeTest, ABoardWithoutLampsCountsAsFinished)
{
    Board board;
    const int lamp = Place(board, PieceKind::BlueLamp, 2, 2);
    EXPECT_EQ(EvaluateBoard(board, nullptr).status, "1 lampor kvar att tända");
    board.RemovePiece(lamp);
    const VerdictResult verdict = EvaluateBoard(board, nullptr);
    EXPECT_EQ(verdict.verdict, Verdict::NoLamps);
    EXPECT_EQ(verdict.status, "Ingen level laddad");
    EXPECT_TRUE(board.Finished);
}

TEST(OutcomeTest, ABombInPlayWinsOverEveryLampLit)
{
    Board board;
    Cannon(board, 1, 1, 0, RedBeam);
    Place(board, PieceKind::RedLamp, 2, 1);
    Place(board, PieceKind::Bomb, 3, 1);
    const VerdictResult verdict = EvaluateBoard(board, nullptr);
    EXPECT_EQ(verdict.verdict, Verdict::Bomb);
    EXPECT_EQ(verdict.status, "BOOOOOOM bara att börja om...");
    EXPECT_FALSE(board.Finished);

    board.PlayMode = false;
    EXPECT_EQ(EvaluateBoard(board, nullptr).verdict, Verdict::Solved) << "the editor ignores bombs";
}

TEST(OutcomeTest, LampStateIsRecomputedEveryRepaint)
{
    Board board;
    Cannon(board, 1, 1, 0, RedBeam);
    const int lamp = Place(board, PieceKind::RedLamp, 5, 1);
    EXPECT_EQ(EvaluateBoard(board, nullptr).verdict, Verdict::Solved);
    const int blocker = Place(board, PieceKind::Obstacle, 3, 1);
    EXPECT_EQ(EvaluateBoard(board, nullptr).verdict, Verdict::LampsLeft);
    EXPECT_FALSE(board.Pieces[lamp].Lit);
    board.MovePiece(blocker, 3, 2);
    EXPECT_EQ(EvaluateBoard(board, nullptr).verdict, Verdict::Solved);
}

} // namespace
} // namespace prismora
