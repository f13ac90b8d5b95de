// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The bound's tables: what the level's pieces and the hand's pieces do with each arriving beam.
#include "core/solver_bound_parts.h"

namespace prismora {

namespace {

// The beams a piece sends on from one arrival: the beam itself unless it
// ends, and its output's beam, in every colour when the output keeps its own.
std::uint32_t leavingBeams(PieceKind kind, std::uint8_t direction, int arrival, bool hasOutput)
{
    const auto arriving = static_cast<std::uint8_t>(arrival / ColourSlots);
    const auto slot = static_cast<ColourSlot>(arrival % ColourSlots);
    const BeamAction action = beamActions(kind, direction)[arriving];
    std::uint32_t beams = 0;
    if ((action & Passes) != 0) {
        beams |= arrivalBit(action & LeavingDirection, slot);
    }
    if ((action & Feeds) != 0 && hasOutput) {
        const OutputFeed fed = fedBeam(kind, direction, arriving, colourOfSlot(slot));
        beams |= fed.colour ? arrivalBit(fed.direction, slotOf(*fed.colour))
                            : 0xFu << (fed.direction * ColourSlots);
    }
    return beams;
}

// The directions among beams (bit direction * 4 + slot).
std::uint8_t directionsOf(std::uint32_t beams)
{
    std::uint8_t directions = 0;
    for (int d = 0; d < 8; ++d) {
        directions |= ((beams >> (d * ColourSlots)) & 0xF) != 0 ? 1u << d : 0;
    }
    return directions;
}

} // namespace

const LampBound::HandTables& LampBound::handTables(bool hasInverter)
{
    const auto make = [](bool isInverterAbout) {
        HandTables t;
        for (int row = 0; row < PlayRowCount; ++row) {
            const PieceKind kind = *kindOfRow(row);
            for (std::uint8_t d = 0; d < 8; ++d) {
                for (int a = 0; a < 32; ++a) {
                    const std::uint32_t beams = leavingBeams(kind, d, a, isSplittingKind(kind));
                    t.pieceOut[static_cast<std::size_t>(row)][d][static_cast<std::size_t>(a)] =
                        beams;
                    forEachBit(beams, [&](int b) {
                        t.pieceIn[static_cast<std::size_t>(row)][d][static_cast<std::size_t>(b)] |=
                            1u << a;
                    });
                    for (std::size_t hand = 0; hand < t.anyPieceOut.size(); ++hand) {
                        if ((hand >> row) & 1) {
                            t.anyPieceOut[hand][static_cast<std::size_t>(a)] |= beams;
                        }
                    }
                }
            }
        }
        // A piece turned one way sends beams out in a few directions only,
        // whatever arrives (a mirror: two), and a beam that comes back to it may
        // have any colour an inverter can give it.
        std::array<std::array<std::uint8_t, 8>, PlayRowCount> waysOut{};
        for (std::size_t row = 0; row < PlayRowCount; ++row) {
            for (std::size_t d = 0; d < 8; ++d) {
                for (const std::uint32_t beams : t.pieceOut[row][d]) {
                    waysOut[row][d] |= directionsOf(beams);
                }
            }
        }
        for (std::size_t hand = 0; hand < t.anyWayOut.size(); ++hand) {
            for (std::size_t a = 0; a < 32; ++a) {
                std::uint8_t ways = 0;
                for (std::size_t row = 0; row < PlayRowCount; ++row) {
                    for (std::size_t d = 0; d < 8 && ((hand >> row) & 1) != 0; ++d) {
                        ways |= t.pieceOut[row][d][a] != 0 ? waysOut[row][d] : 0;
                    }
                }
                const std::uint32_t slots =
                    isInverterAbout ? 0xFu
                                    : (1u << (a % ColourSlots)) | slotsOf(t.anyPieceOut[hand][a]);
                forEachBit(ways,
                           [&](int d) { t.anyWayOut[hand][a] |= slots << (d * ColourSlots); });
            }
        }
        for (std::size_t hand = 0; hand < t.anyPieceIn.size(); ++hand) {
            for (int a = 0; a < 32; ++a) {
                const auto arrival = static_cast<std::size_t>(a);
                forEachBit(t.anyPieceOut[hand][arrival], [&](int b) {
                    t.anyPieceIn[hand][static_cast<std::size_t>(b)] |= 1u << a;
                });
                forEachBit(t.anyWayOut[hand][arrival], [&](int b) {
                    t.anyWayIn[hand][static_cast<std::size_t>(b)] |= 1u << a;
                });
            }
        }
        return t;
    };
    static const HandTables withInverter = make(true);
    static const HandTables withoutInverter = make(false);
    return hasInverter ? withInverter : withoutInverter;
}

LampBound::LampBound(const Level& base, const Occupancy& occupancy)
{
    for (std::size_t cell = 0; cell < LookupCellCount; ++cell) {
        const auto column = static_cast<std::int64_t>(cell % LookupCells);
        const auto row = static_cast<std::int64_t>(cell / LookupCells);
        const bool isBoard = isBoardCell(column, row);
        m_boardIndex[cell] = isBoard ? static_cast<std::int16_t>(boardIndex(column, row)) : -1;
        for (std::uint8_t d = 0; d < 8; ++d) {
            m_next[cell][d] = cellAfter(column + StepColumn[d], row + StepRow[d]);
            m_previous[cell][d] = cellAfter(column - StepColumn[d], row - StepRow[d]);
        }
        const CellOccupant& occupant = occupancy.at(cell);
        if (occupant.piece >= 0) {
            const Piece& piece = base.pieces[static_cast<std::size_t>(occupant.piece)];
            m_kinds[cell] = CellKind::Fixed;
            for (int a = 0; a < 32; ++a) {
                const std::uint32_t beams =
                    leavingBeams(piece.kind, piece.direction, a, piece.output >= 0);
                m_fixedOut[cell][static_cast<std::size_t>(a)] = beams;
                forEachBit(beams, [&](int b) {
                    const int arriving = a / ColourSlots;
                    const int leaving = b / ColourSlots;
                    if (leaving == arriving) {
                        m_fixedPassesOn[cell] |= static_cast<std::uint8_t>(1u << arriving);
                    } else {
                        m_fixedTurnsFrom[cell] |= static_cast<std::uint8_t>(1u << arriving);
                        m_fixedTurnsInto[cell] |= static_cast<std::uint8_t>(1u << leaving);
                    }
                });
                forEachBit(beams,
                           [&](int b) { m_fixedIn[cell][static_cast<std::size_t>(b)] |= 1u << a; });
            }
        } else if (occupant.piece == SourceCell) {
            m_kinds[cell] = isBoard ? CellKind::FreeSource : CellKind::Stops;
        } else {
            m_kinds[cell] = isBoard ? CellKind::Free : CellKind::Straight;
        }
        if (m_kinds[cell] == CellKind::Free || m_kinds[cell] == CellKind::FreeSource) {
            m_freeCellSet.set(cell);
        }
        m_passesStraight[cell] =
            m_kinds[cell] == CellKind::Straight || m_kinds[cell] == CellKind::Free;
    }
    bool hasInverter = paletteCount(base, *rowOfKind(PieceKind::Inverter)) > 0;
    for (const Piece& piece : base.pieces) {
        hasInverter = hasInverter || (!piece.removed && piece.kind == PieceKind::Inverter);
    }
    m_hand = &handTables(hasInverter);
    for (std::size_t i = 0; i < base.pieces.size(); ++i) {
        const Piece& piece = base.pieces[i];
        const std::uint8_t slots = piece.removed ? 0 : lampSlots(piece.kind);
        if (slots == 0) {
            continue;
        }
        const bool isInArea = isInLookupArea(piece.column, piece.row);
        const std::size_t cell = isInArea ? lookupIndex(piece.column, piece.row) : 0;
        m_lamps.push_back(
            {cell, slots, isInArea && occupancy.at(cell).piece == static_cast<std::int16_t>(i)});
    }
    m_cones.resize(m_lamps.size() * ColourSlots * ConesKept);
    m_returnCone = std::make_unique<Cone>();
}

const WalkItem* LampBound::itemAt(const Branch& branch, std::size_t cell) const
{
    const std::int8_t decided = branch.decision[static_cast<std::size_t>(m_boardIndex[cell])];
    return decided >= 0 ? &branch.items[static_cast<std::size_t>(decided)] : nullptr;
}

// The beams that leave `cell` at no cost from `arrivals`: an undecided cell
// passes them as an empty one does.
std::uint32_t LampBound::leaving(const Branch& branch, std::size_t cell,
                                 std::uint32_t arrivals) const
{
    std::uint32_t beams = 0;
    switch (m_kinds[cell]) {
    case CellKind::Straight:
        return arrivals;
    case CellKind::Stops:
        return 0;
    case CellKind::Fixed:
        forEachBit(arrivals,
                   [&](int a) { beams |= m_fixedOut[cell][static_cast<std::size_t>(a)]; });
        return beams;
    case CellKind::Free:
    case CellKind::FreeSource:
        break;
    }
    const WalkItem* item = itemAt(branch, cell);
    if (item == nullptr) {
        return m_kinds[cell] == CellKind::Free ? arrivals : 0;
    }
    forEachBit(item->directions, [&](int d) {
        const Arrivals& out = m_hand->pieceOut[item->row][static_cast<std::size_t>(d)];
        forEachBit(arrivals, [&](int a) { beams |= out[static_cast<std::size_t>(a)]; });
    });
    return beams;
}

// The arrivals at `cell` that send some beam of `beams` on at no cost.
std::uint32_t LampBound::arrivalsLeadingTo(const Branch& branch, std::size_t cell,
                                           std::uint32_t beams) const
{
    std::uint32_t arrivals = 0;
    switch (m_kinds[cell]) {
    case CellKind::Straight:
        return beams;
    case CellKind::Stops:
        return 0;
    case CellKind::Fixed:
        forEachBit(beams, [&](int b) { arrivals |= m_fixedIn[cell][static_cast<std::size_t>(b)]; });
        return arrivals;
    case CellKind::Free:
    case CellKind::FreeSource:
        break;
    }
    const WalkItem* item = itemAt(branch, cell);
    if (item == nullptr) {
        return m_kinds[cell] == CellKind::Free ? beams : 0;
    }
    forEachBit(item->directions, [&](int d) {
        const Arrivals& in = m_hand->pieceIn[item->row][static_cast<std::size_t>(d)];
        forEachBit(beams, [&](int b) { arrivals |= in[static_cast<std::size_t>(b)]; });
    });
    return arrivals;
}

} // namespace prismora
