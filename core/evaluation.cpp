// Beam tracing over an occupancy table of the board, lamp counting and the verdict.
#include "core/evaluation.h"

#include "core/piece_rules.h"

#include <array>
#include <bitset>

namespace prismora {
namespace {

// The tracer looks at columns and rows 0..9: column and row 0 lie outside the
// drawn grid but still count, so a beam leaving across the left or top edge
// crosses one more cell before it ends.
constexpr int LookupCells = BoardCells + 1;
constexpr std::int16_t EmptyCell = -1;
constexpr std::int16_t SourceCell = -2; // a live source and no piece: ends beams

// Which piece acts on each cell of the lookup area: the lowest live piece
// there; else a live source's cell ends beams; else it is empty.
class Occupancy {
public:
    explicit Occupancy(const Level& level)
    {
        m_cells.fill(EmptyCell);
        for (std::size_t i = 0; i < level.pieces.size(); ++i) {
            const Piece& piece = level.pieces[i];
            if (!piece.removed) {
                claim(piece.column, piece.row, static_cast<std::int16_t>(i));
            }
        }
        for (std::size_t i = 0; i < level.sources.size(); ++i) {
            if (!isSourceRemoved(level, static_cast<int>(i))) {
                const Cell cell = sourceCell(level, static_cast<int>(i));
                claim(cell.column, cell.row, SourceCell);
            }
        }
    }

    // A piece index, EmptyCell, or SourceCell (also for cells outside the area).
    std::int16_t at(std::int64_t column, std::int64_t row) const
    {
        if (!inArea(column, row)) {
            return SourceCell;
        }
        return m_cells[static_cast<std::size_t>(row * LookupCells + column)];
    }

    static bool inArea(std::int64_t column, std::int64_t row)
    {
        return column >= 0 && column < LookupCells && row >= 0 && row < LookupCells;
    }

private:
    void claim(std::int32_t column, std::int32_t row, std::int16_t value)
    {
        if (inArea(column, row)) {
            std::int16_t& cell = m_cells[static_cast<std::size_t>(row * LookupCells + column)];
            if (cell == EmptyCell) {
                cell = value;
            }
        }
    }

    std::array<std::int16_t, LookupCells * LookupCells> m_cells{};
};

// The (cell, direction) states one trace has entered.
class VisitedStates {
public:
    // True when the state was entered before; records it otherwise. Cells
    // outside the lookup area end the trace anyway and are not recorded.
    bool enter(std::int64_t column, std::int64_t row, std::uint8_t direction)
    {
        if (!Occupancy::inArea(column, row)) {
            return false;
        }
        const auto bit = static_cast<std::size_t>((row * LookupCells + column) * 8 + direction % 8);
        const bool seen = m_states.test(bit);
        m_states.set(bit);
        return seen;
    }

private:
    std::bitset<LookupCells * LookupCells * 8> m_states;
};

struct Beam {
    std::int64_t column;
    std::int64_t row;
    std::uint8_t direction;
    std::int32_t colour;
};

class Tracer {
public:
    Tracer(const Level& level, Evaluation& result)
        : m_level(level), m_occupancy(level), m_result(result)
    {
    }

    void traceAll()
    {
        for (int pass = 0; pass < 2; ++pass) {
            for (std::size_t i = 0; i < m_result.sources.size(); ++i) {
                const SourceState& source = m_result.sources[i];
                if (source.active && !source.removed) {
                    trace(static_cast<int>(i));
                }
            }
        }
    }

private:
    void trace(int sourceIndex)
    {
        const SourceState& source = m_result.sources[static_cast<std::size_t>(sourceIndex)];
        const Cell start = sourceCell(m_level, sourceIndex);
        Beam beam{start.column, start.row, static_cast<std::uint8_t>(source.direction % 8),
                  source.colour};
        VisitedStates visited;
        advance(beam);
        while (!visited.enter(beam.column, beam.row, beam.direction)) {
            const std::int16_t found = m_occupancy.at(beam.column, beam.row);
            if (found == SourceCell) {
                return;
            }
            if (found == EmptyCell) {
                advance(beam);
                continue;
            }
            if (!actOn(static_cast<std::size_t>(found), beam)) {
                return;
            }
        }
    }

    // The piece on the beam's cell acts on it; false when the beam ends there.
    bool actOn(std::size_t index, Beam& beam)
    {
        const Piece& piece = m_level.pieces[index];
        switch (piece.kind) {
        case PieceKind::RedLamp:
        case PieceKind::GreenLamp:
        case PieceKind::BlueLamp:
        case PieceKind::WhiteLamp:
            light(piece.kind, m_result.pieces[index], beam.colour);
            [[fallthrough]];
        case PieceKind::EmptyCell:
            advance(beam);
            return true;
        case PieceKind::Bomb:
            m_result.bombHit = m_result.bombHit || m_level.mode == Mode::Play;
            return false;
        case PieceKind::OffBoard:
            return false;
        default:
            break;
        }
        const PieceResponse response =
            respond(piece.kind, piece.direction, beam.direction, beam.colour);
        if (response.output && piece.output >= 0) {
            feed(m_result.sources[static_cast<std::size_t>(piece.output)], *response.output);
        }
        if (!response.travel) {
            return false;
        }
        beam.direction = *response.travel;
        advance(beam);
        return true;
    }

    static void light(PieceKind kind, PieceLight& lamp, std::int32_t colour)
    {
        switch (kind) {
        case PieceKind::RedLamp:
            lamp.lit = lamp.lit || colour == RedBeam;
            break;
        case PieceKind::GreenLamp:
            lamp.lit = lamp.lit || colour == GreenBeam;
            break;
        case PieceKind::BlueLamp:
            lamp.lit = lamp.lit || colour == BlueBeam;
            break;
        default:
            lamp.redHit = lamp.redHit || colour == RedBeam;
            lamp.greenHit = lamp.greenHit || colour == GreenBeam;
            lamp.blueHit = lamp.blueHit || colour == BlueBeam;
            break;
        }
    }

    static void feed(SourceState& output, const OutputFeed& fed)
    {
        output.direction = fed.direction;
        if (fed.colour) {
            output.colour = *fed.colour;
        }
        output.active = true;
    }

    // Records the step to the next cell in the beam's direction and moves there.
    void advance(Beam& beam)
    {
        const Step step = stepOf(beam.direction);
        const std::int64_t column = beam.column + step.dx;
        const std::int64_t row = beam.row + step.dy;
        m_result.segments.push_back({beam.column, beam.row, column, row, beam.colour});
        beam.column = column;
        beam.row = row;
    }

    const Level& m_level;
    Occupancy m_occupancy;
    Evaluation& m_result;
};

// Sources as the trace starts: cannons with their own direction and colour,
// outputs inactive with what they last carried (from `previous` when they
// were on the board then, else east in white).
void startSources(const Level& level, std::vector<SourceState>& sources)
{
    const std::size_t previousCount = sources.size();
    sources.resize(level.sources.size());
    for (std::size_t i = 0; i < level.sources.size(); ++i) {
        const BeamSource& source = level.sources[i];
        SourceState& state = sources[i];
        const bool removed = isSourceRemoved(level, static_cast<int>(i));
        if (source.isCannon()) {
            state = {true, source.direction, source.colour, removed};
            continue;
        }
        if (i >= previousCount || state.removed) {
            state = SourceState{};
        }
        state.active = false;
        state.removed = removed;
    }
}

void countLamps(const Level& level, Evaluation& result)
{
    result.litLamps = 0;
    result.unlitLamps = 0;
    for (std::size_t i = 0; i < level.pieces.size(); ++i) {
        const Piece& piece = level.pieces[i];
        if (piece.removed || !isLampKind(piece.kind)) {
            continue;
        }
        PieceLight& lamp = result.pieces[i];
        if (piece.kind == PieceKind::WhiteLamp) {
            lamp.lit = lamp.redHit && lamp.greenHit && lamp.blueHit;
        }
        ++(lamp.lit ? result.litLamps : result.unlitLamps);
    }
}

} // namespace

void reevaluate(const Level& level, Evaluation& evaluation)
{
    evaluation.segments.clear();
    evaluation.pieces.assign(level.pieces.size(), PieceLight{});
    startSources(level, evaluation.sources);
    evaluation.bombHit = false;
    Tracer(level, evaluation).traceAll();
    countLamps(level, evaluation);
    evaluation.verdict = judge(evaluation.bombHit, evaluation.litLamps, evaluation.unlitLamps);
}

Evaluation evaluate(const Level& level)
{
    Evaluation evaluation;
    reevaluate(level, evaluation);
    return evaluation;
}

} // namespace prismora
