// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What stands in each cell, what it does to a beam arriving there, and the next cell: one beam
// step.
#pragma once

#include "core/level.h"
#include "core/piece_rules.h"

#include <array>
#include <cstdint>

namespace prismora {

// Beams are followed over columns and rows 0..9: column and row 0 lie outside
// the drawn grid but still count, so a beam leaving across the left or top
// edge crosses one more cell before it ends.
inline constexpr int LookupCells = BoardCells + 1;

inline bool isInLookupArea(std::int64_t column, std::int64_t row)
{
    return static_cast<std::uint64_t>(column) < LookupCells &&
           static_cast<std::uint64_t>(row) < LookupCells;
}

// The index of a cell of the lookup area, row by row.
inline std::size_t lookupIndex(std::int64_t column, std::int64_t row)
{
    return static_cast<std::size_t>(row * LookupCells + column);
}

// The cell steps of stepOf, as tables, so a walk needs no call per step.
inline constexpr std::array<std::int8_t, 8> StepColumn{1, 1, 0, -1, -1, -1, 0, 1};
inline constexpr std::array<std::int8_t, 8> StepRow{0, -1, -1, -1, 0, 1, 1, 1};

// What a cell does with a beam arriving in one direction, in one byte: the
// leaving direction in the low three bits and the flags below.
using BeamAction = std::uint8_t;
inline constexpr BeamAction LeavingDirection = 0x07;
inline constexpr BeamAction Passes = 0x08;   // the beam goes on, in the leaving direction
inline constexpr BeamAction Feeds = 0x10;    // the piece feeds its output (see fedBeam)
inline constexpr BeamAction Lights = 0x20;   // a lamp: the beam's colour reaches it
inline constexpr BeamAction HitsBomb = 0x40; // a bomb: the beam ends in it

// What a piece of `kind` turned to `pieceDirection` does with a beam arriving
// in each direction (the piece rules of respond, lamps, bombs, the two
// sentinel kinds; kinds without a name block). Built once.
const std::array<BeamAction, 8>& beamActions(PieceKind kind, std::uint8_t pieceDirection);

// An empty cell: every beam goes straight on.
const std::array<BeamAction, 8>& passingActions();

// The beam a feeding piece sends out of its output (the action had Feeds).
inline OutputFeed fedBeam(PieceKind kind, std::uint8_t pieceDirection, std::uint8_t arriving,
                          std::int32_t colour)
{
    return *respond(kind, pieceDirection, arriving, colour).output;
}

// What stands on a cell: the actions for a beam arriving in each direction
// and the piece that acts (NoPiece for an empty cell, SourceCell for a live
// source's cell with no piece, which ends every beam).
inline constexpr std::int16_t NoPiece = -1;
inline constexpr std::int16_t SourceCell = -2;

struct CellOccupant {
    std::array<BeamAction, 8> actions{};
    std::int16_t piece = NoPiece;
};

// Which piece acts on each cell of the lookup area: the lowest live piece
// there; else a live source's cell ends beams; else the cell is empty.
class Occupancy {
public:
    explicit Occupancy(const Level& level);

    const CellOccupant& at(std::int64_t column, std::int64_t row) const
    {
        return m_cells[lookupIndex(column, row)];
    }
    const CellOccupant& at(std::size_t index) const { return m_cells[index]; }

private:
    void claim(std::int32_t column, std::int32_t row, const CellOccupant& occupant);

    std::array<CellOccupant, LookupCells * LookupCells> m_cells{};
};

} // namespace prismora
