// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The bound's cones: the beams that reach a lamp at no cost, kept while nothing on them changes.
#include "core/solver_bound_parts.h"

namespace prismora {

// Whether the cone kept in `cached` is the one `branch` has: the pieces the
// walk put down on cells it touches are the same (cells left empty do not
// change a cone). `itemCells` are the cells of the branch's pieces.
bool LampBound::isSameCone(const CachedCone& cached, const Branch& branch, const Cells& itemCells)
{
    if ((itemCells & cached.touched) != cached.itemCells) {
        return false;
    }
    for (int j = 0; j < cached.itemCount; ++j) {
        const WalkItem& kept = cached.items[static_cast<std::size_t>(j)];
        const WalkItem& item = branch.items[static_cast<std::size_t>(branch.decision[kept.cell])];
        if (item.row != kept.row || item.directions != kept.directions) {
            return false;
        }
    }
    return true;
}

const LampBound::Cone& LampBound::lampCone(const Branch& branch, std::size_t lamp, int slot) const
{
    const Cells& itemCells = branch.itemCells;
    const std::size_t key = lamp * ColourSlots + static_cast<std::size_t>(slot);
    const std::span<CachedCone> kept(m_cones.data() + key * ConesKept, ConesKept);
    ++m_coneClock;
    CachedCone* oldest = kept.data();
    for (CachedCone& cached : kept) {
        if (cached.isMade && isSameCone(cached, branch, itemCells)) {
            cached.lastUsed = m_coneClock;
            return cached.cone;
        }
        oldest = cached.lastUsed < oldest->lastUsed ? &cached : oldest;
    }
    CachedCone& cached = *oldest;
    cached.lastUsed = m_coneClock;
    cached.cone.make(*this, branch, m_lamps[lamp].cell, 0x11111111u << slot);
    cached.isMade = true;
    cached.touched = cached.cone.touched();
    cached.itemCells = itemCells & cached.touched;
    cached.itemCount = 0;
    for (int i = 0; i < branch.itemCount; ++i) {
        const WalkItem& item = branch.items[static_cast<std::size_t>(i)];
        if (cached.touched.test(lookupOfItem(item))) {
            cached.items[static_cast<std::size_t>(cached.itemCount++)] = item;
        }
    }
    return cached.cone;
}

// Whether the straight line from `cell` in `direction` (or back against it)
// meets, past cells that let beams through unchanged, something that can
// turn a beam off it (or onto it): a piece of the level, or one the walk put
// down. A beam the last piece sends out can only come back to it over two
// such lines.
bool LampBound::meetsTurner(const Branch& branch, std::size_t cell, std::uint8_t direction,
                            bool isForward) const
{
    const auto& steps = isForward ? m_next : m_previous;
    for (std::int16_t at = steps[cell][direction]; at >= 0 && static_cast<std::size_t>(at) != cell;
         at = steps[static_cast<std::size_t>(at)][direction]) {
        const auto here = static_cast<std::size_t>(at);
        switch (m_kinds[here]) {
        case CellKind::Straight:
            continue;
        case CellKind::Stops:
            return false;
        case CellKind::Fixed: {
            const std::uint8_t turns = isForward ? m_fixedTurnsFrom[here] : m_fixedTurnsInto[here];
            if (((turns >> direction) & 1) != 0) {
                return true;
            }
            if (((m_fixedPassesOn[here] >> direction) & 1) != 0) {
                continue;
            }
            return false;
        }
        case CellKind::Free:
        case CellKind::FreeSource:
            if (itemAt(branch, here) != nullptr) {
                return true;
            }
            if (m_kinds[here] == CellKind::FreeSource) {
                return false;
            }
            continue;
        }
    }
    return false;
}

// Whether the last piece, on `cell`, may send into the cone (`coneBeams`
// leave the cell there) a beam of its own that came back to it: the first
// beams it sends out must come back to it in an arrival that some piece
// sends into the cone. A beam that comes back only after more returns is
// allowed without asking more.
bool LampBound::isLitByReturn(const Branch& branch, const Flood& flood, std::size_t hand,
                              std::size_t cell, std::uint32_t coneBeams) const
{
    // One piece turned one way: the beams it sends out first, and the
    // arrivals it would send into the cone, which must come back.
    const std::uint32_t arrivals = flood.reachedAt(cell);
    std::uint32_t beams = 0;
    std::uint32_t wanted = 0;
    for (std::size_t row = 0; row < PlayRowCount; ++row) {
        if (((hand >> row) & 1) == 0) {
            continue;
        }
        for (std::size_t d = 0; d < 8; ++d) {
            std::uint32_t sent = 0;
            std::uint32_t sending = 0;
            forEachBit(arrivals, [&](int a) {
                sent |= m_hand->pieceOut[row][d][static_cast<std::size_t>(a)];
            });
            forEachBit(coneBeams, [&](int b) {
                sending |= m_hand->pieceIn[row][d][static_cast<std::size_t>(b)];
            });
            sending &= ~arrivals;
            if (sent != 0 && sending != 0) {
                beams |= sent;
                wanted |= sending;
            }
        }
    }
    const auto meetsAny = [&](std::uint32_t bits, bool isForward) {
        for (std::uint8_t d = 0; d < 8; ++d) {
            if (((bits >> (d * ColourSlots)) & 0xF) != 0 &&
                meetsTurner(branch, cell, d, isForward)) {
                return true;
            }
        }
        return false;
    };
    if (wanted == 0 || !meetsAny(beams, true) || !meetsAny(wanted, false)) {
        return false;
    }
    m_returnCone->make(*this, branch, cell, wanted, cell);
    return m_returnCone->leaving(cell) != 0;
}

} // namespace prismora
