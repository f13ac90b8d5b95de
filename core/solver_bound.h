// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A lower bound for the beam walk: can the pieces left still bring every lamp the colours it lacks?
#pragma once

#include "core/solver_walk.h"

#include <memory>
#include <span>
#include <vector>

namespace prismora {

// Follows, from the beams a branch still has to follow, everything beams
// could do if every undecided cell could hold any piece in hand: a piece
// costs one, passing an undecided or empty cell nothing, and what stands on
// the board (pieces of the level, pieces the walk put down, with any
// direction of their group) acts as it does. The bound relaxes the walk (a
// cell may count as empty for one beam and hold a piece for another), so it
// never rejects a branch that leads to a solution.
//
// The beams are flooded forward, one layer per piece but the last. A new
// piece in the flood sends a beam out every way a piece turned to meet it
// could ever send one (its own beams may come back to it), in every colour
// an inverter could give them. Every lamp colour the beams do not bring at
// no cost is brought last by one of the pieces left: on an undecided cell
// the flood reaches, sending that colour into the lamp's cone (the beams that
// reach the lamp at no cost, a few lines into it). So as many cells as
// pieces left must meet every missing colour's cells. With one piece left
// the piece is known better: it is turned one way, so what it sends out is
// exactly what one piece does with the beams reaching it, and with its own
// beams that can come back to it.
class LampBound {
public:
    static constexpr std::size_t MaxMissing = 32;
    using Cells = LookupCellSet;

    LampBound(const Level& base, const Occupancy& occupancy);
    ~LampBound();

    // False when some lamp cannot get a colour it lacks with at most
    // `pieces` more pieces from the hand `branch.left`. With one piece left
    // it also says where that piece could go (branch.lastPiece and
    // lastPieceCells): leaving a cell empty changes nothing else the bound
    // looks at, so the branch that leaves one empty keeps the answer less
    // that cell instead of asking again.
    bool isReachable(Branch& branch, int pieces) const;

private:
    struct Lamp {
        std::size_t cell;   // in the lookup area
        std::uint8_t slots; // colours it needs
        bool canLight;      // the lamp is what acts on its cell
    };
    enum class CellKind : std::uint8_t { Straight, Stops, Fixed, Free, FreeSource };
    using Arrivals = std::array<std::uint32_t, 32>;
    class Flood;
    // What a flood knows per cell: the beams that reached it, those spread
    // through what stands there, those turned by a new piece.
    struct FloodCells {
        std::array<std::uint32_t, LookupCellCount> reached{};
        std::array<std::uint32_t, LookupCellCount> spread{};
        std::array<std::uint32_t, LookupCellCount> turned{};
        Cells reachedCells;
    };

    class Cone;
    struct CachedCone;
    const Cone& lampCone(const Branch& branch, std::size_t lamp, int slot) const;
    static bool isSameCone(const CachedCone& cached, const Branch& branch, const Cells& itemCells);

    std::uint32_t leaving(const Branch& branch, std::size_t cell, std::uint32_t arrivals) const;
    std::uint32_t arrivalsLeadingTo(const Branch& branch, std::size_t cell,
                                    std::uint32_t beams) const;
    const WalkItem* itemAt(const Branch& branch, std::size_t cell) const;
    bool isLitByReturn(const Branch& branch, const Flood& flood, std::size_t hand, std::size_t cell,
                       std::uint32_t coneBeams) const;
    // Lamp colours no beam brings yet: lamp index and colour slot.
    struct MissingColour {
        std::size_t lamp;
        int slot;
    };
    struct Missing {
        std::array<MissingColour, MaxMissing> colours; // the first `count` are set
        int count = 0;
    };
    Missing missingColours(const std::array<std::uint8_t, Level::MaxPieces>& needs) const;
    bool isLitByLastPiece(Branch& branch, const Flood& flood, std::size_t hand,
                          const Missing& missing) const;
    // The beams reached before the last layer of the flood was turned.
    struct FirstLayer {
        std::array<std::uint32_t, LookupCellCount> reached; // set on `cells` only
        Cells cells;                                        // the cells some beam reached
    };
    bool isLitByPieces(const Branch& branch, const Flood& flood, const FirstLayer& first,
                       int pieces, const Missing& missing) const;
    bool isMetByTwo(const Branch& branch, const Flood& flood, const FirstLayer& first,
                    std::span<const Cells> sets) const;
    bool reachesAny(const Branch& branch, const Flood& flood, std::size_t cell,
                    std::uint32_t arrivals, const Cells& wanted) const;
    bool meetsTurner(const Branch& branch, std::size_t cell, std::uint8_t direction,
                     bool isForward) const;

    std::array<CellKind, LookupCellCount> m_kinds{};
    std::array<Arrivals, LookupCellCount> m_fixedOut{};
    std::array<Arrivals, LookupCellCount> m_fixedIn{}; // arrivals leading to each beam leaving
    // Per fixed piece, by direction: arrivals it sends on straight, arrivals
    // it sends elsewhere, and directions it sends such beams in.
    std::array<std::uint8_t, LookupCellCount> m_fixedPassesOn{};
    std::array<std::uint8_t, LookupCellCount> m_fixedTurnsFrom{};
    std::array<std::uint8_t, LookupCellCount> m_fixedTurnsInto{};
    // What the pieces of the hand do with each arrival: the same for every
    // level but for whether an inverter is about, so made once for each case
    // and shared (see solver_bound_parts.h).
    struct HandTables;
    static const HandTables& handTables(bool hasInverter);
    const HandTables* m_hand = nullptr;
    std::array<std::array<std::int16_t, 8>, LookupCellCount> m_next{};
    std::array<std::array<std::int16_t, 8>, LookupCellCount> m_previous{};
    std::array<std::int16_t, LookupCellCount> m_boardIndex{};
    Cells m_freeCellSet;    // the board cells without a piece of the level
    Cells m_passesStraight; // empty cells, on the board or around it
    std::vector<Lamp> m_lamps;
    // Per lamp and colour slot: the cones last made, each reused for a
    // branch with the same pieces put down on the cells it touches (cells
    // left empty do not change a cone). Two walks of the tree take turns,
    // and a branch's children share most cones, so several are kept; the one
    // that served longest ago is made again (a cone of few pieces serves a
    // whole subtree and would not outlast a turn of the kept ones).
    static constexpr std::size_t ConesKept = 8;
    mutable std::vector<CachedCone> m_cones;
    mutable std::uint64_t m_coneClock = 0; // counts the cones asked for
    // The cone of beams that come back to the last piece (see isLitByReturn).
    std::unique_ptr<Cone> m_returnCone;
    // Room for the flood of a branch and for the one asked from a cell of it.
    mutable FloodCells m_branchFlood;
    mutable FloodCells m_cellFlood;
    // The lamp and colour that stopped the last branch: most branches near
    // it fail on the same, so it is looked at first.
    mutable std::size_t m_lastMissedLamp = 0;
    mutable int m_lastMissedSlot = 0;
};

} // namespace prismora
