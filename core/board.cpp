// Board tables: reset, appending records and the PieceAt lookup.
#include "core/board.h"

namespace prismora {

Board::Board() { Clear(); }

void Board::ResetBoard()
{
    for (Piece& piece : Pieces) {
        piece.Top = -1;
        piece.Left = -1;
        piece.Kind = PieceKind::EmptyCell;
        piece.Direction = 0;
        piece.Lit = false;
        piece.EmitterIndex = -1;
        piece.Deleted = true;
    }
    for (Emitter& emitter : Emitters) {
        emitter = Emitter{};
    }
    Piece& offBoard = Pieces[OffBoardIndex];
    offBoard.Top = 0;
    offBoard.Left = 0;
    offBoard.Kind = PieceKind::OffBoard;
    Piece& emptyCell = Pieces[EmptyCellIndex];
    emptyCell.Top = 0;
    emptyCell.Left = 0;
    emptyCell.Kind = PieceKind::EmptyCell;
}

void Board::Clear()
{
    ResetBoard();
    PieceCount = 0;
    EmitterCount = 0;
    HotPiece = -1;
    HotEmitter = -1;
}

std::optional<int> Board::AddEmitter(std::int32_t left, std::int32_t top, bool active,
                                     std::uint8_t direction, bool isCannon, std::int32_t color)
{
    if (EmitterCount >= EmitterCapacity) {
        return std::nullopt;
    }
    Emitter& emitter = Emitters[EmitterCount];
    emitter.Left = left;
    emitter.Top = top;
    emitter.Active = active;
    emitter.Direction = direction;
    emitter.IsCannon = isCannon;
    emitter.Color = color;
    emitter.Deleted = false;
    return EmitterCount++;
}

std::optional<int> Board::AppendPiece(PieceKind kind, std::int32_t left, std::int32_t top,
                                      std::uint8_t direction)
{
    if (PieceCount >= PieceCapacity) {
        return std::nullopt;
    }
    int emitterIndex = -1;
    if (IsSplittingKind(kind)) {
        const std::optional<int> output = AddEmitter(left, top, false, 0, false, WhiteBeam);
        if (!output) {
            return std::nullopt;
        }
        emitterIndex = *output;
    }
    Piece& piece = Pieces[PieceCount];
    piece.Left = left;
    piece.Top = top;
    piece.Kind = kind;
    piece.Direction = direction;
    piece.EmitterIndex = emitterIndex;
    piece.Deleted = false;
    return PieceCount++;
}

std::optional<int> Board::AppendCannon(std::int32_t left, std::int32_t top, std::uint8_t direction,
                                       std::int32_t color)
{
    if (EmitterCount >= CannonIndexLimit) {
        return std::nullopt;
    }
    return AddEmitter(left, top, true, direction, true, color);
}

int Board::PieceAt(std::int32_t column, std::int32_t row) const
{
    if (column > BoardCells || row > BoardCells || column < 0 || row < 0) {
        return OffBoardIndex;
    }
    for (int i = 0; i < PieceCount; ++i) {
        const Piece& piece = Pieces[i];
        if (!piece.Deleted && piece.Left == column && piece.Top == row) {
            return i;
        }
    }
    for (int i = 0; i < EmitterCount; ++i) {
        const Emitter& emitter = Emitters[i];
        if (!emitter.Deleted && emitter.Left == column && emitter.Top == row) {
            return OffBoardIndex;
        }
    }
    return EmptyCellIndex;
}

void Board::MovePiece(int index, std::int32_t left, std::int32_t top)
{
    Piece& piece = Pieces[index];
    piece.Left = left;
    piece.Top = top;
    if (piece.EmitterIndex != -1) {
        Emitters[piece.EmitterIndex].Left = left;
        Emitters[piece.EmitterIndex].Top = top;
    }
}

void Board::RemovePiece(int index)
{
    Piece& piece = Pieces[index];
    piece.Deleted = true;
    if (piece.EmitterIndex != -1) {
        Emitters[piece.EmitterIndex].Deleted = true;
    }
}

} // namespace prismora
