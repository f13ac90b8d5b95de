// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// One branch of the solver's beam walk: the cells decided so far, the pieces left, the beams.
#pragma once

#include "core/beam_step.h"
#include "core/colour_slot.h"
#include "core/palette.h"
#include "core/solver.h"

#include <array>
#include <bitset>
#include <cstdint>

namespace prismora {

inline constexpr int BoardCellCount = BoardCells * BoardCells;
inline constexpr int LookupCellCount = LookupCells * LookupCells;

// A set of cells of the lookup area.
using LookupCellSet = std::bitset<LookupCellCount>;

// The lookup cell of a board cell (0..80).
inline std::size_t lookupOfBoard(std::size_t cell)
{
    return lookupIndex(static_cast<std::int64_t>(cell % BoardCells + 1),
                       static_cast<std::int64_t>(cell / BoardCells + 1));
}

// Calls `visit(cell)` for every cell of `cells`, in order, a word of the set at a time.
template <typename Visit> void forEachCell(const LookupCellSet& cells, Visit visit)
{
    constexpr LookupCellSet word(~std::uint64_t{0});
    for (std::size_t first = 0; first < LookupCellCount; first += 64) {
        std::uint64_t bits = ((cells >> first) & word).to_ullong();
        while (bits != 0) {
            visit(first + static_cast<std::size_t>(__builtin_ctzll(bits)));
            bits &= bits - 1;
        }
    }
}

// The index of a board cell (0..80), row by row.
inline std::size_t boardIndex(std::int64_t column, std::int64_t row)
{
    return static_cast<std::size_t>((row - 1) * BoardCells + (column - 1));
}

// A piece put down by the walk: its board cell (0..80), its palette row
// (0..6), the group of directions it may have (bit d for direction d; a group
// acts alike on every beam that reached it so far), and its output's source.
struct WalkItem {
    std::uint8_t cell = 0;
    std::uint8_t row = 0;
    std::uint8_t directions = 0;
    std::int8_t output = -1;
};

// What is known of a board cell a piece may go on.
inline constexpr std::int8_t Undecided = -1;
inline constexpr std::int8_t LeftEmpty = -2;

// A beam being followed: where it is, where it goes, its colour, and whether
// every evaluation of the final position runs it along the same cells (a
// cannon's beam, and the output of a junction it feeds directly).
struct Walker {
    std::int8_t column = 0;
    std::int8_t row = 0;
    std::uint8_t direction = 0;
    ColourSlot slot = ColourSlot::Other;
    bool isCertain = false;
    bool isInCell = false; // entered its cell and waits for what stands there
};

inline constexpr int MaxPending = 192;

enum class LastPiece : std::uint8_t { Unknown, NotNeeded, OnCells };

// One branch of the walk: every decision taken so far and the beams still to
// follow. Copied at each decision, so it holds no pointers.
struct Branch {
    std::array<std::int8_t, BoardCellCount> decision{};
    // The same, as sets of lookup cells: the board cells still undecided,
    // and those the walk put pieces down on.
    LookupCellSet undecidedCells;
    LookupCellSet itemCells;
    std::array<WalkItem, MaxSearchDepth> items{};
    int itemCount = 0;
    std::array<int, PlayRowCount> left{};
    // Per cell of the lookup area: the beams that entered it, bit direction * 4 + slot.
    std::array<std::uint32_t, LookupCellCount> entered{};
    std::bitset<Level::MaxSources * 8 * ColourSlots> started;
    std::array<std::uint8_t, Level::MaxSources> outputSlots{};
    std::array<std::uint8_t, Level::MaxSources> keepDirections{};
    int sourceCount = 0;
    std::array<Walker, MaxPending> pending{};
    int pendingCount = 0;
    // With one piece left: the cells where it could still light every lamp
    // (see LampBound), kept while cells are only left empty.
    LastPiece lastPiece = LastPiece::Unknown;
    std::bitset<LookupCellCount> lastPieceCells;
    // The cell to decide next (a board cell, 0..80) and the beams waiting
    // there (bit direction * 4 + slot).
    std::uint8_t waitingCell = 0;
    std::uint32_t waitingArrivals = 0;
};

// Records what stands on board cell `cell`: an item's index, or LeftEmpty.
inline void setDecision(Branch& branch, std::size_t cell, std::int8_t decided)
{
    branch.decision[cell] = decided;
    const std::size_t lookup = lookupOfBoard(cell);
    branch.undecidedCells[lookup] = false;
    branch.itemCells[lookup] = decided >= 0;
}

// The colour slots among arrival bits (direction * 4 + slot).
inline std::uint8_t slotsOf(std::uint32_t arrivals)
{
    std::uint32_t slots = arrivals | arrivals >> 16;
    slots |= slots >> 8;
    slots |= slots >> 4;
    return static_cast<std::uint8_t>(slots & 0xF);
}

} // namespace prismora
