// Following every beam a position can have, in any feeding order.
#include "core/solver_reach.h"

#include "core/piece_rules.h"

#include <bitset>

namespace prismora {
namespace {

constexpr int LookupCells = BoardCells + 1;
constexpr int NoPiece = -1;
constexpr int SourceCell = -2;

bool inLookupArea(std::int64_t column, std::int64_t row)
{
    return column >= 0 && column < LookupCells && row >= 0 && row < LookupCells;
}

struct Beam {
    std::int64_t column;
    std::int64_t row;
    std::uint8_t direction;
    ColourSlot slot;
};

class Reach {
public:
    explicit Reach(const Level& level) : m_level(level)
    {
        m_cells.fill(NoPiece);
        for (std::size_t i = 0; i < level.pieces.size(); ++i) {
            const Piece& piece = level.pieces[i];
            if (!piece.removed) {
                claim(piece.column, piece.row, static_cast<int>(i));
            }
        }
        for (std::size_t i = 0; i < level.sources.size(); ++i) {
            if (!isSourceRemoved(level, static_cast<int>(i))) {
                const Cell cell = sourceCell(level, static_cast<int>(i));
                claim(cell.column, cell.row, SourceCell);
            }
        }
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
    void claim(std::int32_t column, std::int32_t row, int value)
    {
        if (inLookupArea(column, row)) {
            int& cell = m_cells[static_cast<std::size_t>(row * LookupCells + column)];
            if (cell == NoPiece) {
                cell = value;
            }
        }
    }

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
        const std::size_t bit = static_cast<std::size_t>(
            ((beam.row * LookupCells + beam.column) * 8 + beam.direction) * ColourSlots +
            static_cast<int>(beam.slot));
        if (m_entered.test(bit)) {
            return false;
        }
        m_entered.set(bit);
        return true;
    }

    void follow(Beam beam)
    {
        for (;;) {
            const Step step = stepOf(beam.direction);
            beam.column += step.dx;
            beam.row += step.dy;
            if (!inLookupArea(beam.column, beam.row) || !enter(beam)) {
                return;
            }
            m_map.slotsAnywhere |= slotBit(beam.slot);
            if (isBoardCell(beam.column, beam.row)) {
                m_map.arrivals[boardCellIndex(static_cast<int>(beam.column),
                                              static_cast<int>(beam.row))] |=
                    1u << (beam.direction * ColourSlots + static_cast<int>(beam.slot));
            }
            const int occupant =
                m_cells[static_cast<std::size_t>(beam.row * LookupCells + beam.column)];
            if (occupant == NoPiece) {
                continue;
            }
            if (occupant == SourceCell || !actOn(static_cast<std::size_t>(occupant), beam)) {
                return;
            }
        }
    }

    // The piece on the beam's cell acts on it; false when the beam ends there.
    bool actOn(std::size_t index, Beam& beam)
    {
        const Piece& piece = m_level.pieces[index];
        m_map.pieceSlots[index] |= slotBit(beam.slot);
        if (passesBeamsUnchanged(piece.kind)) {
            return true;
        }
        switch (piece.kind) {
        case PieceKind::Bomb:
        case PieceKind::OffBoard:
            return false;
        default:
            break;
        }
        const PieceResponse response =
            respond(piece.kind, piece.direction, beam.direction, colourOfSlot(beam.slot));
        if (response.output && piece.output >= 0) {
            feed(piece.output, *response.output);
        }
        if (!response.travel) {
            return false;
        }
        beam.direction = *response.travel;
        return true;
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
    std::array<int, LookupCells * LookupCells> m_cells{};
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
