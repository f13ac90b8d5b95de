// The board model: fixed tables of pieces and beam sources plus board-wide flags.
#pragma once

#include "core/piece_kind.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace prismora {

// Board geometry: 9 x 9 cells of 50 pixels drawn in a 451 x 451 box.
inline constexpr int BoardCells = 9;
inline constexpr int CellSize = 50;
inline constexpr int BoardPixels = 451;

// Cell column or row under a board pixel coordinate (truncating division).
inline int CellAtPixel(int pixel) { return pixel / CellSize + 1; }
// Pixel coordinate of a cell's centre, the end point of beam segments.
inline std::int64_t CellCentre(std::int64_t cell) { return cell * CellSize - 24; }
// Pixel coordinate of the top-left corner of a cell's 48 x 48 sprite.
inline int SpriteOrigin(int cell) { return cell * CellSize - 48; }

struct Piece {
    std::int32_t Top = -1;
    std::int32_t Left = -1;
    PieceKind Kind = PieceKind::EmptyCell;
    std::uint8_t Direction = 0;
    bool Lit = false;
    std::int32_t EmitterIndex = -1;
    bool Deleted = true;
    bool RedHit = false;
    bool BlueHit = false;
    bool GreenHit = false;
};

struct Emitter {
    std::int32_t Top = -1;
    std::int32_t Left = -1;
    std::uint8_t Direction = 0;
    std::int32_t Color = BlueBeam;
    bool IsCannon = false;
    bool Active = false;
    bool Deleted = true;
};

// The whole in-memory state of one level except the palette and the level
// name. Records are appended and marked Deleted, never removed or reused, so
// indices stay valid until the next ResetBoard.
class Board {
public:
    static constexpr int PieceTableSize = 201;
    static constexpr int EmitterTableSize = 51;
    // Reserved records answering PieceAt for positions that hold no piece.
    static constexpr int OffBoardIndex = 99;
    static constexpr int EmptyCellIndex = 100;
    // Pieces live below the reserved records: at most 99 can be appended.
    static constexpr int PieceCapacity = OffBoardIndex;
    static constexpr int EmitterCapacity = EmitterTableSize;
    // Level files hold cannons as sections Cannon0..Cannon49, numbered by
    // their emitter index, so a cannon may not take the table's last index:
    // it would be saved where no reader looks and be lost.
    static constexpr int CannonIndexLimit = 50;

    Board();

    // Frees every record and restores the two reserved ones. Leaves the
    // counters alone; callers set them (see Clear).
    void ResetBoard();
    // ResetBoard plus both counters and both hot indices back to their start.
    void Clear();

    // Appends a beam source and returns its index, or nothing when the
    // Emitter table is full (the table is never written past).
    std::optional<int> AddEmitter(std::int32_t left, std::int32_t top, bool active,
                                  std::uint8_t direction, bool isCannon, std::int32_t color);
    // Appends a piece standing at (left, top); splitting kinds get their
    // inactive white output emitter. Returns the piece index, or nothing when
    // the Piece table (or, for a splitting kind, the Emitter table) is full;
    // then nothing at all is appended.
    std::optional<int> AppendPiece(PieceKind kind, std::int32_t left, std::int32_t top,
                                   std::uint8_t direction);
    // Appends a cannon (active, IsCannon), or nothing when its index would
    // reach CannonIndexLimit.
    std::optional<int> AppendCannon(std::int32_t left, std::int32_t top, std::uint8_t direction,
                                    std::int32_t color);

    // The Piece-table index that stands for (column, row): OffBoardIndex
    // outside columns and rows 0..9 and on the cell of a live emitter holding
    // no piece; the lowest live piece there; else EmptyCellIndex.
    int PieceAt(std::int32_t column, std::int32_t row) const;

    // Moves a piece (and its output emitter) or takes it off the board.
    void MovePiece(int index, std::int32_t left, std::int32_t top);
    void RemovePiece(int index);

    std::array<Piece, PieceTableSize> Pieces;
    std::array<Emitter, EmitterTableSize> Emitters;
    int PieceCount = 0;
    int EmitterCount = 0;

    // Board-wide flags.
    bool PlayMode = true;
    bool BombHit = false;
    bool Finished = false;
    bool Loading = false;
    bool PaintEnabled = true;
    std::string CurrentLevelFile;
    int HotPiece = -1;
    int HotEmitter = -1;
};

} // namespace prismora
