// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The bound's inner parts, shared by its files: the forward flood, the lamp's cone, small helpers.
#pragma once

#include "core/solver_bound.h"
#include "core/solver_common.h"

namespace prismora {

inline std::uint32_t arrivalBit(std::uint8_t direction, ColourSlot slot)
{
    return 1u << arrivalIndex(direction, slot);
}

template <typename Visit> void forEachBit(std::uint32_t bits, Visit visit)
{
    while (bits != 0) {
        visit(__builtin_ctz(bits));
        bits &= bits - 1;
    }
}

inline std::size_t lookupOfItem(const WalkItem& item) { return lookupOfBoard(item.cell); }

// The lookup cell a step leads to, or -1 off the lookup area.
inline std::int16_t cellAfter(std::int64_t column, std::int64_t row)
{
    return isInLookupArea(column, row) ? static_cast<std::int16_t>(lookupIndex(column, row))
                                       : std::int16_t{-1};
}

struct LampBound::HandTables {
    // Per palette row and direction: beams leaving for each arrival, and back.
    std::array<std::array<Arrivals, 8>, PlayRowCount> pieceOut{};
    std::array<std::array<Arrivals, 8>, PlayRowCount> pieceIn{};
    // Per set of rows in hand (bit row): beams any of them may send out.
    std::array<Arrivals, 1 << PlayRowCount> anyPieceOut{};
    // And back: the arrivals any of them may send on as each beam.
    std::array<Arrivals, 1 << PlayRowCount> anyPieceIn{};
    // Per set of rows in hand: beams a piece may finally send out, in any
    // direction, after its beams came back to it (see isReachable).
    std::array<Arrivals, 1 << PlayRowCount> anyWayOut{};
    std::array<Arrivals, 1 << PlayRowCount> anyWayIn{}; // and back
};

// Cells whose new arrivals still have to be looked at, each queued once.
class CellQueue {
public:
    void push(std::size_t cell)
    {
        if (!m_isQueued[cell]) {
            m_isQueued[cell] = true;
            m_cells[m_count++] = static_cast<std::int16_t>(cell);
        }
    }
    bool isEmpty() const { return m_count == 0; }
    std::size_t pop()
    {
        const auto cell = static_cast<std::size_t>(m_cells[--m_count]);
        m_isQueued[cell] = false;
        return cell;
    }

private:
    std::array<std::int16_t, LookupCellCount> m_cells; // the first m_count are set
    int m_count = 0;
    std::bitset<LookupCellCount> m_isQueued;
};

// Whether a flood looks out for the cells it was asked to watch (only a
// flood asked about them pays for looking).
enum class Watching { Off, On };

// The beams reached so far, per cell, flooded forward layer by layer.
class LampBound::Flood {
public:
    // `anyPiece`: the beams any piece in hand may send out from each arrival;
    // `anyPieceIn`: the arrivals from which it may send out each beam.
    // `cells` is the room it floods in, left as the last flood there left it.
    Flood(const LampBound& bound, const Branch& branch, FloodCells& cells, const Arrivals& anyPiece,
          const Arrivals& anyPieceIn)
        : m_bound(bound), m_isStraight(bound.m_passesStraight & ~branch.itemCells), m_cells(cells),
          m_reached(cells.reached), m_anyPiece(anyPiece), m_anyPieceIn(anyPieceIn)
    {
        // Beams were spread and turned only where they reached.
        forEachCell(cells.reachedCells, [&](std::size_t cell) {
            cells.reached[cell] = 0;
            cells.spread[cell] = 0;
            cells.turned[cell] = 0;
        });
        cells.reachedCells.reset();
    }

    // Beams arriving at `cell`, all in one direction. They run on at once
    // over cells that let them through unchanged; a cell that may act on
    // them is queued.
    template <Watching watching = Watching::Off>
    void enter(std::int16_t cell, std::uint32_t arrivals)
    {
        const auto direction = static_cast<std::size_t>(__builtin_ctz(arrivals) / ColourSlots);
        while (cell >= 0) {
            const auto at = static_cast<std::size_t>(cell);
            arrivals &= ~m_reached[at];
            if (arrivals == 0) {
                return;
            }
            m_reached[at] |= arrivals;
            m_cells.reachedCells[at] = true;
            if constexpr (watching == Watching::On) {
                m_hasReachedWatched = m_hasReachedWatched || m_watched[at];
            }
            if (!m_isStraight[at]) {
                m_queue.push(at);
                return;
            }
            cell = m_bound.m_next[at][direction];
        }
    }

    // Sends beams leaving `cell` into its neighbours.
    template <Watching watching = Watching::Off> void leave(std::size_t cell, std::uint32_t beams)
    {
        while (beams != 0) {
            const auto direction = static_cast<std::size_t>(__builtin_ctz(beams) / ColourSlots);
            const std::uint32_t inDirection = 0xFu << (direction * ColourSlots);
            enter<watching>(m_bound.m_next[cell][direction], beams & inDirection);
            beams &= ~inDirection;
        }
    }

    // Follows every new arrival through what stands on its cell, at no cost.
    template <Watching watching = Watching::Off> void spread(const Branch& branch)
    {
        while (!m_queue.isEmpty() && (watching == Watching::Off || !m_hasReachedWatched)) {
            const std::size_t cell = m_queue.pop();
            const std::uint32_t fresh = m_reached[cell] & ~m_cells.spread[cell];
            m_cells.spread[cell] |= fresh;
            leave<watching>(cell, m_bound.leaving(branch, cell, fresh));
        }
    }

    // The beams any piece in hand may send out from `arrivals`.
    std::uint32_t turnedFrom(std::uint32_t arrivals) const
    {
        std::uint32_t beams = 0;
        forEachBit(arrivals, [&](int a) { beams |= m_anyPiece[static_cast<std::size_t>(a)]; });
        return beams;
    }

    // Whether a piece in hand on `cell` may send out some of `beams` from
    // what reached it: turnedFrom(reachedAt(cell)) & beams, from the side
    // with fewer bits.
    bool sendsAny(std::size_t cell, std::uint32_t beams) const
    {
        std::uint32_t arrivals = 0;
        forEachBit(beams, [&](int b) { arrivals |= m_anyPieceIn[static_cast<std::size_t>(b)]; });
        return (arrivals & m_reached[cell]) != 0;
    }

    // With Watching::On, spreading stops once a beam reaches one of `cells`:
    // all a caller asking only whether they are reached needs to know.
    void watch(const Cells& cells) { m_watched = cells; }
    bool hasReachedWatched() const { return m_hasReachedWatched; }

    std::uint32_t reachedAt(std::size_t cell) const { return m_reached[cell]; }
    // The cells some beam reached.
    const Cells& reachedCells() const { return m_cells.reachedCells; }

    // One piece more: every new arrival at an undecided cell may leave as any
    // piece in hand sends it (all cells turn what reached them before this
    // turn, so no beam meets two new pieces in one layer). False when no beam
    // is sent anywhere new.
    bool turn(const Branch& branch)
    {
        const Cells turning = m_cells.reachedCells & m_bound.m_freeCellSet & branch.undecidedCells;
        std::array<std::uint32_t, LookupCellCount> sent; // set on the turning cells
        forEachCell(turning, [&](std::size_t cell) {
            const std::uint32_t fresh = m_reached[cell] & ~m_cells.turned[cell];
            m_cells.turned[cell] |= fresh;
            sent[cell] = turnedFrom(fresh);
        });
        forEachCell(turning, [&](std::size_t cell) { leave(cell, sent[cell]); });
        return !m_queue.isEmpty();
    }

    std::uint8_t slotsAt(std::size_t cell) const { return slotsOf(m_reached[cell]); }
    const Arrivals& anyPiece() const { return m_anyPiece; }
    const Arrivals& anyPieceIn() const { return m_anyPieceIn; }

private:
    const LampBound& m_bound;
    Cells m_isStraight; // cells that let every beam through unchanged
    FloodCells& m_cells;
    std::array<std::uint32_t, LookupCellCount>& m_reached; // m_cells.reached, the most used
    CellQueue m_queue;
    Cells m_watched;
    bool m_hasReachedWatched = false;
    const Arrivals& m_anyPiece;
    const Arrivals& m_anyPieceIn;
};

// The beams that arrive at one cell in some of `arrivals` at no cost (the
// cell of a lamp, say, in one colour): for each cell, the beams leaving it
// that get there (bit direction * 4 + slot). The cone stops growing as
// soon as some beam leaving `stopCell` gets there.
class LampBound::Cone {
public:
    // Makes the cone again in place: only the cells the last one touched are cleared.
    void make(const LampBound& bound, const Branch& branch, std::size_t target,
              std::uint32_t arrivals, std::size_t stopCell = LookupCellCount)
    {
        clear();
        m_target = static_cast<std::int16_t>(target);
        m_arrivals[target] = arrivals;
        const Cells isStraight = bound.m_passesStraight & ~branch.itemCells;
        CellQueue queue;
        queue.push(target);
        std::array<std::uint32_t, LookupCellCount>& done = m_followed;
        while (!queue.isEmpty() && (stopCell == LookupCellCount || m_leaving[stopCell] == 0)) {
            const std::size_t cell = queue.pop();
            const std::uint32_t fresh = m_arrivals[cell] & ~done[cell];
            done[cell] |= fresh;
            forEachBit(fresh, [&](int a) {
                const std::size_t at = traceBack(bound, isStraight, cell, 1u << a, done);
                if (at == LookupCellCount) {
                    return;
                }
                const std::uint32_t leading = bound.arrivalsLeadingTo(branch, at, 1u << a);
                if ((leading & ~m_arrivals[at]) != 0) {
                    m_arrivals[at] |= leading;
                    queue.push(at);
                }
            });
        }
    }

    std::uint32_t leaving(std::size_t cell) const { return m_leaving[cell]; }
    // The cells some beam of the cone leaves.
    const Cells& cells() const { return m_cellSet; }
    // The cells some beam of the cone arrives at or leaves: its cells and
    // its target (beams arrive elsewhere only where one of them leaves).
    Cells touched() const
    {
        Cells cells = m_cellSet;
        if (m_target >= 0) {
            cells.set(static_cast<std::size_t>(m_target));
        }
        return cells;
    }

    // Calls `visit(cell, beams)` for every cell some beam of the cone leaves.
    template <typename Visit> bool any(Visit visit) const
    {
        for (int i = 0; i < m_cellCount; ++i) {
            const auto cell = static_cast<std::size_t>(m_cells[static_cast<std::size_t>(i)]);
            if (visit(cell, m_leaving[cell])) {
                return true;
            }
        }
        return false;
    }

private:
    // Follows `beam`, arriving at `cell`, back to where it left: over cells
    // that let it through unchanged at once (it arrived there as it left),
    // to the cell that may have sent it otherwise. That cell, or
    // LookupCellCount when the beam was there already or comes from outside.
    std::size_t traceBack(const LampBound& bound, const Cells& isStraight, std::size_t cell,
                          std::uint32_t beam, std::array<std::uint32_t, LookupCellCount>& done)
    {
        const auto direction = static_cast<std::size_t>(__builtin_ctz(beam) / ColourSlots);
        for (;;) {
            const std::int16_t from = bound.m_previous[cell][direction];
            if (from < 0 || (m_leaving[static_cast<std::size_t>(from)] & beam) != 0) {
                return LookupCellCount;
            }
            const auto at = static_cast<std::size_t>(from);
            if (m_leaving[at] == 0) {
                m_cells[static_cast<std::size_t>(m_cellCount++)] = static_cast<std::int16_t>(at);
                m_cellSet[at] = true;
            }
            m_leaving[at] |= beam;
            if (!isStraight[at]) {
                return at;
            }
            if ((m_arrivals[at] & beam) != 0) { // to be followed from there, or followed
                return LookupCellCount;
            }
            m_arrivals[at] |= beam;
            done[at] |= beam;
            cell = at;
        }
    }

    // A beam arrives only at the target and at cells some beam leaves.
    void clear()
    {
        if (m_target >= 0) {
            m_arrivals[static_cast<std::size_t>(m_target)] = 0;
            m_followed[static_cast<std::size_t>(m_target)] = 0;
        }
        for (int i = 0; i < m_cellCount; ++i) {
            const auto cell = static_cast<std::size_t>(m_cells[static_cast<std::size_t>(i)]);
            m_arrivals[cell] = 0;
            m_leaving[cell] = 0;
            m_followed[cell] = 0;
        }
        m_cellCount = 0;
        m_cellSet.reset();
    }

    std::array<std::uint32_t, LookupCellCount> m_arrivals{};
    std::array<std::uint32_t, LookupCellCount> m_followed{}; // the arrivals followed back
    std::array<std::uint32_t, LookupCellCount> m_leaving{};
    std::array<std::int16_t, LookupCellCount> m_cells{};
    int m_cellCount = 0;
    Cells m_cellSet;
    std::int16_t m_target = -1;
};

struct LampBound::CachedCone {
    Cone cone;
    bool isMade = false;
    std::uint64_t lastUsed = 0; // the bound's cone clock when it last served
    Cells touched;              // the cells the cone touches
    Cells itemCells;            // those of them the walk had put pieces down on
    // The pieces the walk had put down on cells the cone touches.
    std::array<WalkItem, MaxSearchDepth> items{};
    int itemCount = 0;
};

} // namespace prismora
