// Board tables: PieceAt answers, reset state, capacity limits and turning.
#include "core/board.h"

#include <gtest/gtest.h>

namespace prismora {
namespace {

TEST(BoardTest, ResetLeavesOnlyEmptyCellsInsideTheLookupArea)
{
    Board board;
    for (int column = 0; column <= 9; ++column) {
        for (int row = 0; row <= 9; ++row) {
            EXPECT_EQ(board.PieceAt(column, row), Board::EmptyCellIndex) << column << "," << row;
        }
    }
    EXPECT_EQ(board.Pieces[Board::OffBoardIndex].Kind, PieceKind::OffBoard);
    EXPECT_EQ(board.Pieces[Board::EmptyCellIndex].Kind, PieceKind::EmptyCell);
    EXPECT_TRUE(board.Pieces[Board::OffBoardIndex].Deleted);
    EXPECT_EQ(board.Pieces[Board::OffBoardIndex].Left, 0);
}

TEST(BoardTest, PieceAtOutsideTheLookupAreaIsOffBoard)
{
    Board board;
    EXPECT_EQ(board.PieceAt(-1, 5), Board::OffBoardIndex);
    EXPECT_EQ(board.PieceAt(10, 5), Board::OffBoardIndex);
    EXPECT_EQ(board.PieceAt(5, 10), Board::OffBoardIndex);
    EXPECT_EQ(board.PieceAt(0, 5), Board::EmptyCellIndex);
    EXPECT_EQ(board.PieceAt(5, 0), Board::EmptyCellIndex);
}

TEST(BoardTest, PieceAtPrefersTheLowestLivePieceThenCannons)
{
    Board board;
    board.AppendCannon(3, 3, 0, RedBeam);
    EXPECT_EQ(board.PieceAt(3, 3), Board::OffBoardIndex);
    const int first = *board.AppendPiece(PieceKind::Mirror, 3, 3, 0);
    const int second = *board.AppendPiece(PieceKind::DoubleMirror, 3, 3, 0);
    EXPECT_EQ(board.PieceAt(3, 3), first);
    board.RemovePiece(first);
    EXPECT_EQ(board.PieceAt(3, 3), second);
    board.RemovePiece(second);
    EXPECT_EQ(board.PieceAt(3, 3), Board::OffBoardIndex);
}

TEST(BoardTest, SplittingPiecesOwnAnOutputThatFollowsThem)
{
    Board board;
    const int index = *board.AppendPiece(PieceKind::TCoupling, 1, 1, 0);
    const Piece& piece = board.Pieces[index];
    ASSERT_EQ(piece.EmitterIndex, 0);
    const Emitter& output = board.Emitters[0];
    EXPECT_EQ(output.Color, WhiteBeam);
    EXPECT_FALSE(output.Active);
    EXPECT_FALSE(output.IsCannon);
    board.MovePiece(index, 4, 7);
    EXPECT_EQ(output.Left, 4);
    EXPECT_EQ(output.Top, 7);
    board.RemovePiece(index);
    EXPECT_TRUE(output.Deleted);
}

TEST(BoardTest, TablesStopAtTheirCapacityAndKeepTheReservedRecords)
{
    Board board;
    for (int i = 0; i < Board::PieceCapacity; ++i) {
        ASSERT_TRUE(board.AppendPiece(PieceKind::Mirror, 1, 1, 0));
    }
    EXPECT_FALSE(board.AppendPiece(PieceKind::Mirror, 1, 1, 0));
    EXPECT_EQ(board.PieceCount, 99);
    EXPECT_EQ(board.Pieces[Board::OffBoardIndex].Kind, PieceKind::OffBoard);
    EXPECT_TRUE(board.Pieces[Board::OffBoardIndex].Deleted);

    Board emitters;
    for (int i = 0; i < Board::CannonIndexLimit; ++i) {
        ASSERT_TRUE(emitters.AppendCannon(1, 1, 0, RedBeam));
    }
    EXPECT_FALSE(emitters.AppendCannon(1, 1, 0, RedBeam)) << "Cannon50 would never be read back";
    ASSERT_TRUE(emitters.AppendPiece(PieceKind::TCoupling, 1, 1, 0))
        << "an output may use the last index";
    // A splitter needs an output: with the emitter table full it is refused whole.
    EXPECT_FALSE(emitters.AppendPiece(PieceKind::YCoupling, 1, 1, 0));
    EXPECT_EQ(emitters.PieceCount, 1);
}

TEST(DirectionTest, TurningWrapsAroundAndTakesOddValuesModuloEight)
{
    std::uint8_t direction = 0;
    for (int i = 0; i < 8; ++i) {
        direction = TurnedLeft(direction);
    }
    EXPECT_EQ(direction, 0);
    EXPECT_EQ(TurnedLeft(7), 0);
    EXPECT_EQ(TurnedRight(0), 7);
    EXPECT_EQ(TurnedLeft(255), 0);
    EXPECT_EQ(StepOf(255).dx, StepOf(7).dx);
    EXPECT_EQ(StepOf(255).dy, StepOf(7).dy);
}

} // namespace
} // namespace prismora
