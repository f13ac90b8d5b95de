// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Following every beam a position can have, in any feeding order.
#include "core/solver_reach.h"

#include "core/beam_step.h"

#include <bitset>

namespace prismora {
namespace {

struct Beam {
    std::int64_t column;
    std::int64_t row;
    std::uint8_t direction;
    ColourSlot slot;
};

class Reach {
public:
    explicit Reach(const Level& level) : m_level(level), m_occupancy(level)
    {
        m_outputSlots.assign(level.sources.size(), slotBit(ColourSlot::Other));
        m_keepDirections.assign(level.sources.size(), 0);
        m_map.pieceSlots.assign(level.pieces.size(), 0);
    }

    ReachMap run()
    {
        for (std::size_t i = 0; i < m_level.sources.size(); ++i) {
            const BeamSource& source = m_level.sources[i];
            if (source.isCannon() && !source.removed) {
                start(static_cast<int>(i), static_cast<std::uint8_t>(source.direction % 8),
                      slotOf(source.colour));
            }
        }
        while (!m_pending.empty()) {
            const Beam beam = m_pending.back();
            m_pending.pop_back();
            follow(beam);
        }
        return m_map;
    }

private:
    void start(int source, std::uint8_t direction, ColourSlot slot)
    {
        const std::size_t bit = (static_cast<std::size_t>(source) * 8 + direction) * ColourSlots +
                                static_cast<std::size_t>(slot);
        if (bit >= m_started.size() || m_started.test(bit)) {
            return;
        }
        m_started.set(bit);
        const Cell cell = sourceCell(m_level, source);
        m_pending.push_back({cell.column, cell.row, direction, slot});
    }

    // True the first time a beam enters this cell in this direction and colour.
    bool enter(const Beam& beam)
    {
        const std::size_t bit =
            (lookupIndex(beam.column, beam.row) * 8 + beam.direction) * ColourSlots +
            static_cast<std::size_t>(beam.slot);
        if (m_entered.test(bit)) {
            return false;
        }
        m_entered.set(bit);
        return true;
    }

    void follow(Beam beam)
    {
        for (;;) {
            beam.column += StepColumn[beam.direction];
            beam.row += StepRow[beam.direction];
            if (!isInLookupArea(beam.column, beam.row) || !enter(beam)) {
                return;
            }
            m_map.slotsAnywhere |= slotBit(beam.slot);
            if (isBoardCell(beam.column, beam.row)) {
                m_map.arrivals[boardCellIndex(static_cast<int>(beam.column),
                                              static_cast<int>(beam.row))] |=
                    1u << (beam.direction * ColourSlots + static_cast<int>(beam.slot));
            }
            const CellOccupant& occupant = m_occupancy.at(beam.column, beam.row);
            if (occupant.piece >= 0) {
                m_map.pieceSlots[static_cast<std::size_t>(occupant.piece)] |= slotBit(beam.slot);
            }
            const BeamAction action = occupant.actions[beam.direction];
            if ((action & Feeds) != 0) {
                const Piece& piece = m_level.pieces[static_cast<std::size_t>(occupant.piece)];
                if (piece.output >= 0) {
                    feed(piece.output, fedBeam(piece.kind, piece.direction, beam.direction,
                                               colourOfSlot(beam.slot)));
                }
            }
            if ((action & Passes) == 0) {
                return;
            }
            beam.direction = action & LeavingDirection;
        }
    }

    void feed(int output, const OutputFeed& fed)
    {
        std::uint8_t& slots = m_outputSlots[static_cast<std::size_t>(output)];
        if (fed.colour) {
            const ColourSlot slot = slotOf(*fed.colour);
            slots |= slotBit(slot);
            start(output, fed.direction, slot);
            // A colour new to the output also leaves where it was kept before.
            for (std::uint8_t d = 0; d < 8; ++d) {
                if (m_keepDirections[static_cast<std::size_t>(output)] & (1u << d)) {
                    start(output, d, slot);
                }
            }
            return;
        }
        m_keepDirections[static_cast<std::size_t>(output)] |=
            static_cast<std::uint8_t>(1u << fed.direction);
        for (int s = 0; s < ColourSlots; ++s) {
            if (slots & (1u << s)) {
                start(output, fed.direction, static_cast<ColourSlot>(s));
            }
        }
    }

    const Level& m_level;
    Occupancy m_occupancy;
    std::bitset<LookupCells * LookupCells * 8 * ColourSlots> m_entered;
    std::bitset<Level::MaxSources * 8 * ColourSlots> m_started;
    std::vector<std::uint8_t> m_outputSlots;
    std::vector<std::uint8_t> m_keepDirections;
    std::vector<Beam> m_pending;
    ReachMap m_map;
};

} // namespace

ReachMap mapReach(const Level& level) { return Reach(level).run(); }

} // namespace prismora
