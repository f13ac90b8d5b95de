// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// One level as it is loaded, played, edited, saved and undone: pieces, cannons, palette counts,
// mode.
#pragma once

#include "core/piece_kind.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace prismora {

// The board is 9 x 9 cells; columns and rows count from 1.
inline constexpr int BoardCells = 9;

// True for cells of the 9 x 9 board itself.
inline bool isBoardCell(std::int64_t column, std::int64_t row)
{
    return column >= 1 && column <= BoardCells && row >= 1 && row <= BoardCells;
}

enum class Mode {
    Play, // the palette holds the pieces still to be placed
    Edit, // the palette counts the pieces and cannons the designer added
};

// A piece on the board, or one taken off it. Records are appended and marked
// removed, never erased, so the index of a live record stays valid for the
// life of a level (only a full table reuses removed records, see addPiece):
// of two pieces on one cell the lower index acts on beams and the higher one
// is drawn on top.
struct Piece {
    PieceKind kind = PieceKind::EmptyCell;
    std::int32_t column = -1;
    std::int32_t row = -1;
    // 0..7, see stepOf; a value above 7 from a level file counts modulo 8.
    std::uint8_t direction = 0;
    // Index in Level::sources of the output of a splitting piece, else -1.
    std::int32_t output = -1;
    bool removed = false;

    bool operator==(const Piece&) const = default;
};

// A beam source: a laser cannon, or the output of a splitting piece. Sources
// are traced in index order, so their order is part of the level: after a
// load the outputs come first (in piece order) and the cannons follow; in the
// editor they are appended as the designer adds them.
struct BeamSource {
    // The splitting piece this is the output of, or -1 for a cannon. An
    // output stands on its piece's cell and is removed with it; the fields
    // below are used by cannons only (an output's direction and colour come
    // from the beams that feed it, see Evaluation).
    std::int32_t piece = -1;
    std::int32_t column = -1;
    std::int32_t row = -1;
    std::uint8_t direction = 0;
    // 0x00BBGGRR; cannons made in the editor are red, green or blue, a file
    // may give any value.
    std::int32_t colour = 0;
    bool removed = false;

    bool isCannon() const { return piece < 0; }
    bool operator==(const BeamSource&) const = default;
};

struct Level {
    // Pieces live at indices 0..98 and sources at 0..50: the tables of the
    // level format. Cannons stay below source index 50, because files number
    // cannon sections by their index and only Cannon0..Cannon49 are read.
    static constexpr int MaxPieces = 99;
    static constexpr int MaxSources = 51;
    static constexpr int CannonIndexLimit = 50;

    std::string name;
    Mode mode = Mode::Play;
    std::vector<Piece> pieces;
    std::vector<BeamSource> sources;
    // Count of each palette row (see palette.h): pieces left to place in
    // play, pieces and cannons added in the editor. Rows 0..size-1 exist;
    // the size is 0 (no palette), 7 (play) or 17 (edit).
    std::vector<int> palette;

    bool operator==(const Level&) const = default;
};

// Appends a piece standing at (column, row); a splitting kind also gets its
// output source. Returns the piece's index, or nothing (and appends nothing)
// when the piece table or, for a splitting kind, the source table is full.
std::optional<int> appendPiece(Level& level, PieceKind kind, std::int32_t column, std::int32_t row,
                               std::uint8_t direction);
// Appends a cannon; nothing when its index would reach CannonIndexLimit.
std::optional<int> appendCannon(Level& level, std::int32_t column, std::int32_t row,
                                std::uint8_t direction, std::int32_t colour);

// A piece or cannon put on the level by a player or designer. While the
// tables have room these append exactly as appendPiece and appendCannon do.
// Once a table is full they take over a record that was taken off the board
// (the one of the highest index) so that play never gets stuck after many
// pieces were taken and given back: a piece the record of a removed piece
// (keeping its output record for a splitting kind), an output or a cannon a
// free source record (a removed cannon, or the output of a removed piece).
// A reused record keeps its index, so it may lie under a newer record on the
// same cell. Nothing, and no change, when no record is free.
std::optional<int> addPiece(Level& level, PieceKind kind, std::int32_t column, std::int32_t row,
                            std::uint8_t direction);
std::optional<int> addCannon(Level& level, std::int32_t column, std::int32_t row,
                             std::uint8_t direction, std::int32_t colour);

// Where a source stands: a cannon's own cell, an output's piece's cell.
struct Cell {
    std::int32_t column;
    std::int32_t row;
};
Cell sourceCell(const Level& level, int source);
bool isSourceRemoved(const Level& level, int source);
// True when a live piece or cannon stands on (column, row).
bool isCellTaken(const Level& level, std::int32_t column, std::int32_t row);

// The count of a palette row, 0 for a row the palette does not have.
int paletteCount(const Level& level, int row);
// Adds `delta` to a row's count; a row the palette does not have is left alone.
void changePaletteCount(Level& level, int row, int delta);

} // namespace prismora
