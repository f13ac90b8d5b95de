// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Where beams may go in a position, whatever order its outputs are fed in: candidate cells.
#pragma once

#include "core/colour_slot.h"
#include "core/level.h"

#include <array>
#include <cstdint>
#include <vector>

namespace prismora {

// Every beam that can run in the position, with its pieces standing where and
// as they stand: every cannon's beam, and every beam an output may send out,
// for every way it may be fed (in the game, the order of the sources decides
// which feedings happen in an evaluation; here all of them do, and an
// inverter fed a colour it keeps may send any colour its output was ever
// given, white included). Each (cell, direction, colour) is followed once.
// The beams of any evaluation of the position are among these.
struct ReachMap {
    // For each board cell (index (row - 1) * 9 + column - 1): the arriving
    // (direction, colour) pairs, bit direction * 4 + slot.
    std::array<std::uint32_t, BoardCells * BoardCells> arrivals{};
    // For each piece record: the colour slots whose beams enter its cell.
    std::vector<std::uint8_t> pieceSlots;
    // Slots of every beam anywhere.
    std::uint8_t slotsAnywhere = 0;
};

ReachMap mapReach(const Level& level);

// The index of a board cell in ReachMap::arrivals.
inline std::size_t boardCellIndex(int column, int row)
{
    return static_cast<std::size_t>((row - 1) * BoardCells + (column - 1));
}

} // namespace prismora
