// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Flooding a branch's beams layer by layer, one layer per piece, to see which lamps they may reach.
#include "core/solver_bound_parts.h"

#include <span>

namespace prismora {

LampBound::~LampBound() = default;

bool LampBound::isReachable(Branch& branch, int pieces) const
{
    if (pieces == 1 && branch.lastPiece != LastPiece::Unknown) {
        return branch.lastPiece == LastPiece::NotNeeded || branch.lastPieceCells.any();
    }
    std::array<std::uint8_t, Level::MaxPieces> needs; // set for every lamp before it is read
    bool isNeeded = false;
    for (std::size_t i = 0; i < m_lamps.size() && i < needs.size(); ++i) {
        const Lamp& lamp = m_lamps[i];
        needs[i] = static_cast<std::uint8_t>(lamp.slots & ~slotsOf(branch.entered[lamp.cell]));
        if (needs[i] != 0 && !lamp.canLight) {
            return false;
        }
        isNeeded = isNeeded || needs[i] != 0;
    }
    if (!isNeeded) {
        branch.lastPiece = pieces == 1 ? LastPiece::NotNeeded : LastPiece::Unknown;
        return true;
    }
    std::size_t hand = 0;
    for (int row = 0; row < PlayRowCount; ++row) {
        hand |= branch.left[static_cast<std::size_t>(row)] > 0 ? std::size_t(1) << row : 0;
    }
    // With more pieces left, a new piece sends a beam out every way it could
    // once turned to meet it: beams may come back to it any number of times,
    // after passing other pieces, so only its first way in is known.
    Flood flood(*this, branch, m_branchFlood,
                pieces == 1 ? m_hand->anyPieceOut[hand] : m_hand->anyWayOut[hand],
                pieces == 1 ? m_hand->anyPieceIn[hand] : m_hand->anyWayIn[hand]);
    for (int i = 0; i < branch.pendingCount; ++i) {
        const Walker& walker = branch.pending[static_cast<std::size_t>(i)];
        // A source may stand just outside the lookup area; its first step is inside.
        const std::int64_t column =
            walker.column + (walker.isInCell ? 0 : StepColumn[walker.direction]);
        const std::int64_t row = walker.row + (walker.isInCell ? 0 : StepRow[walker.direction]);
        flood.enter(cellAfter(column, row), arrivalBit(walker.direction, walker.slot));
    }
    flood.spread(branch);
    // A colour the beams bring at no cost needs no piece; any other is
    // brought last by one of the pieces left.
    for (std::size_t i = 0; i < m_lamps.size() && i < needs.size(); ++i) {
        needs[i] = static_cast<std::uint8_t>(needs[i] & ~flood.slotsAt(m_lamps[i].cell));
    }
    const Missing missing = missingColours(needs);
    if (missing.count == 0) {
        branch.lastPiece = pieces == 1 ? LastPiece::NotNeeded : LastPiece::Unknown;
        return true;
    }
    if (pieces == 1) {
        return isLitByLastPiece(branch, flood, hand, missing);
    }
    // Only two pieces left look at the beams before the next layer.
    FirstLayer first; // set only where beams reached
    if (pieces == 2) {
        first.cells = flood.reachedCells();
        forEachCell(first.cells,
                    [&](std::size_t cell) { first.reached[cell] = flood.reachedAt(cell); });
    }
    for (int layer = 1; layer < pieces && flood.turn(branch); ++layer) {
        flood.spread(branch);
    }
    return pieces > 1 && isLitByPieces(branch, flood, first, pieces, missing);
}

// The lamp colours still missing, the one that stopped the last branch
// first. Asking about fewer of them only weakens the bound.
LampBound::Missing
LampBound::missingColours(const std::array<std::uint8_t, Level::MaxPieces>& needs) const
{
    Missing missing;
    for (std::size_t i = 0; i < m_lamps.size() && i < needs.size(); ++i) {
        forEachBit(needs[i], [&](int slot) {
            if (missing.count == static_cast<int>(missing.colours.size())) {
                return;
            }
            auto& last = missing.colours[static_cast<std::size_t>(missing.count++)];
            last = {i, slot};
            if (i == m_lastMissedLamp && slot == m_lastMissedSlot) {
                std::swap(missing.colours.front(), last);
            }
        });
    }
    return missing;
}

namespace {

using Cells = LampBound::Cells;

// Whether at most `pieces` cells meet every one of `sets` (each one not
// empty), trying the cells of the smallest set first. `work` counts the sets
// looked at; past its end the answer is yes, which only weakens the bound.
bool canMeetAll(std::span<const Cells> sets, int pieces, int& work)
{
    if (static_cast<int>(sets.size()) <= pieces || --work < 0) {
        return true;
    }
    if (pieces == 0) {
        return false;
    }
    std::size_t smallest = 0;
    for (std::size_t i = 1; i < sets.size(); ++i) {
        smallest = sets[i].count() < sets[smallest].count() ? i : smallest;
    }
    std::array<Cells, LampBound::MaxMissing> rest{};
    for (std::size_t cell = 0; cell < LookupCellCount; ++cell) {
        if (!sets[smallest][cell]) {
            continue;
        }
        std::size_t count = 0;
        for (const Cells& set : sets) {
            if (!set[cell]) {
                rest[count++] = set;
            }
        }
        if (canMeetAll(std::span(rest.data(), count), pieces - 1, work)) {
            return true;
        }
    }
    return false;
}

} // namespace

// With more pieces left: each colour still missing is brought last by one of
// them, on an undecided cell the beams reach, into that colour's cone; so a
// few cells, as many as the pieces, must meet every colour's cells.
bool LampBound::isLitByPieces(const Branch& branch, const Flood& flood, const FirstLayer& first,
                              int pieces, const Missing& missing) const
{
    std::array<Cells, MaxMissing> serving{};
    // A cone also runs through the column and row outside the board.
    const Cells open = branch.undecidedCells & flood.reachedCells();
    for (std::size_t m = 0; m < static_cast<std::size_t>(missing.count); ++m) {
        const auto& [lamp, slot] = missing.colours[m];
        const Cone& cone = lampCone(branch, lamp, slot);
        forEachCell(cone.cells() & open, [&](std::size_t cell) {
            serving[m][cell] = flood.sendsAny(cell, cone.leaving(cell));
        });
        if (serving[m].none()) {
            m_lastMissedLamp = lamp;
            m_lastMissedSlot = slot;
            return false;
        }
    }
    const std::span<const Cells> sets(serving.data(), static_cast<std::size_t>(missing.count));
    if (pieces == 2) {
        return isMetByTwo(branch, flood, first, sets);
    }
    int work = 256;
    return canMeetAll(sets, pieces, work);
}

// Two pieces left: one of them, X, is met by the beams as they are; the
// other, Y, is too, or is met by what X sends out. Together they meet
// every missing colour's cells.
bool LampBound::isMetByTwo(const Branch& branch, const Flood& flood, const FirstLayer& first,
                           std::span<const Cells> sets) const
{
    const Cells met = first.cells & m_freeCellSet & branch.undecidedCells;
    Cells all = met;
    for (const Cells& set : sets) {
        all &= set;
    }
    if (all.any()) {
        return true;
    }
    bool isMet = false;
    forEachCell(met, [&](std::size_t x) {
        if (isMet) {
            return;
        }
        Cells rest;
        rest.set();
        for (const Cells& set : sets) {
            rest &= set[x] ? rest : set;
        }
        isMet = (rest & met).any() ||
                (rest.any() && reachesAny(branch, flood, x, first.reached[x], rest));
    });
    return isMet;
}

// Whether the beams a new piece on `cell` may send out reach some free cell
// of `wanted` at no cost; the flood stops at the first one.
bool LampBound::reachesAny(const Branch& branch, const Flood& flood, std::size_t cell,
                           std::uint32_t arrivals, const Cells& wanted) const
{
    Flood from(*this, branch, m_cellFlood, flood.anyPiece(), flood.anyPieceIn());
    from.watch(wanted & m_freeCellSet);
    from.leave<Watching::On>(cell, from.turnedFrom(arrivals));
    from.spread<Watching::On>(branch);
    return from.hasReachedWatched();
}

// What is still missing must come from one more piece, on an undecided cell
// the beams reach, into each lamp's cone (the piece may also meet beams it
// sent out that come back to it, which takes longer to see, so it is asked
// last). When it is the only piece left, one cell must serve every lamp.
bool LampBound::isLitByLastPiece(Branch& branch, const Flood& flood, std::size_t hand,
                                 const Missing& missing) const
{
    Cells candidates = flood.reachedCells() & m_freeCellSet & branch.undecidedCells;
    // A cell serves every missing colour's cone it lies on, or there is no
    // cell; then each colour is brought there directly or by a beam of the
    // piece's own that comes back to it (which takes longer to ask).
    std::array<const Cone*, MaxMissing> cones{};
    for (std::size_t m = 0; m < static_cast<std::size_t>(missing.count); ++m) {
        const auto& [lamp, slot] = missing.colours[m];
        cones[m] = &lampCone(branch, lamp, slot);
        if ((candidates &= cones[m]->cells()).any()) {
            continue;
        }
        m_lastMissedLamp = lamp;
        m_lastMissedSlot = slot;
        return false;
    }
    forEachCell(Cells(candidates), [&](std::size_t cell) {
        bool isServing = true;
        for (std::size_t m = 0; m < static_cast<std::size_t>(missing.count) && isServing; ++m) {
            const std::uint32_t beams = cones[m]->leaving(cell);
            isServing =
                flood.sendsAny(cell, beams) || isLitByReturn(branch, flood, hand, cell, beams);
        }
        candidates[cell] = isServing;
    });
    branch.lastPiece = LastPiece::OnCells;
    branch.lastPieceCells = candidates;
    return candidates.any();
}

} // namespace prismora
