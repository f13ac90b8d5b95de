// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Beam tracing over the occupancy of the board (core/beam_step.h), lamp counting and the verdict.
#include "core/evaluation.h"

#include "core/beam_step.h"
#include "core/piece_rules.h"

#include <algorithm>
#include <array>
#include <vector>

namespace prismora {
namespace {

// The most (cell, direction) states a trace can enter in the lookup area.
constexpr int MaxTraceStates = LookupCells * LookupCells * 8;

// Where one trace left its segments and feeds, and the start it had.
struct TracedBeam {
    bool isKept = false;
    std::uint8_t direction = 0;
    std::int32_t colour = 0;
    std::size_t firstSegment = 0;
    std::size_t endSegment = 0;
    std::size_t firstFeed = 0;
    std::size_t endFeed = 0;
};

// A splitting piece feeding its output, in the order the traces did it.
struct FedOutput {
    std::size_t output;
    OutputFeed fed;
};

class Tracer {
public:
    Tracer(const Level& level, Evaluation& result)
        : m_level(level), m_occupancy(level), m_result(result), m_traced(result.sources.size())
    {
    }

    // Both passes over the sources. A trace depends only on its source's
    // cell, direction and colour, and lighting a lamp twice changes nothing,
    // so a second-pass trace whose source starts as it did in the first pass
    // copies that trace's segments and repeats its feeds (in their order, as
    // another beam may have fed the same output in between).
    void traceAll()
    {
        for (int pass = 0; pass < 2; ++pass) {
            for (std::size_t i = 0; i < m_result.sources.size(); ++i) {
                const SourceState& source = m_result.sources[i];
                if (!source.active || source.removed) {
                    continue;
                }
                const TracedBeam& kept = m_traced[i];
                if (kept.isKept && kept.direction == source.direction % 8 &&
                    kept.colour == source.colour) {
                    repeat(kept);
                } else {
                    traceKept(i);
                }
            }
        }
    }

private:
    void traceKept(std::size_t sourceIndex)
    {
        const SourceState& source = m_result.sources[sourceIndex];
        TracedBeam& kept = m_traced[sourceIndex];
        kept.isKept = true;
        kept.direction = static_cast<std::uint8_t>(source.direction % 8);
        kept.colour = source.colour;
        kept.firstSegment = m_result.segments.size();
        kept.firstFeed = m_feeds.size();
        trace(static_cast<int>(sourceIndex));
        kept.endSegment = m_result.segments.size();
        kept.endFeed = m_feeds.size();
    }

    void repeat(const TracedBeam& kept)
    {
        std::vector<BeamSegment>& segments = m_result.segments;
        const std::size_t count = kept.endSegment - kept.firstSegment;
        const std::size_t end = segments.size();
        segments.resize(end + count);
        std::copy_n(segments.begin() + static_cast<std::ptrdiff_t>(kept.firstSegment), count,
                    segments.begin() + static_cast<std::ptrdiff_t>(end));
        for (std::size_t i = kept.firstFeed; i < kept.endFeed; ++i) {
            feed(m_result.sources[m_feeds[i].output], m_feeds[i].fed);
        }
    }

    // Follows one beam until something ends it. Every piece rule sends each
    // leaving direction back to at most one arriving direction, so a beam's
    // (cell, direction) states have one predecessor each: the first state it
    // enters again is the first state it entered, reached through its own
    // start cell (which only a piece standing there lets it pass). Comparing
    // with that state alone therefore ends it exactly where recording every
    // state would; the step limit keeps that promise even if a rule broke it.
    void trace(int sourceIndex)
    {
        const SourceState& source = m_result.sources[static_cast<std::size_t>(sourceIndex)];
        const Cell start = sourceCell(m_level, sourceIndex);
        const auto startDirection = static_cast<std::uint8_t>(source.direction % 8);
        const std::int32_t colour = source.colour;
        // Sources may stand anywhere in the 32-bit range: step in 64 bits.
        std::int64_t column = start.column;
        std::int64_t row = start.row;
        const std::int64_t firstColumn = column + StepColumn[startDirection];
        const std::int64_t firstRow = row + StepRow[startDirection];
        // The start cell is not examined: the beam leaves it straight away.
        auto action = static_cast<BeamAction>(Passes | startDirection);
        std::vector<BeamSegment>& segments = m_result.segments;
        for (int steps = 0; steps <= MaxTraceStates; ++steps) {
            const std::uint8_t direction = action & LeavingDirection;
            const std::int64_t nextColumn = column + StepColumn[direction];
            const std::int64_t nextRow = row + StepRow[direction];
            segments.push_back({column, row, nextColumn, nextRow, colour});
            column = nextColumn;
            row = nextRow;
            const bool isBackAtFirstState =
                column == firstColumn && row == firstRow && direction == startDirection;
            if ((isBackAtFirstState && steps > 0) || !isInLookupArea(column, row)) {
                return;
            }
            const CellOccupant& occupant = m_occupancy.at(column, row);
            action = occupant.actions[direction];
            if ((action & (Feeds | Lights | HitsBomb)) != 0) {
                actOn(static_cast<std::size_t>(occupant.piece), action, direction, colour);
            }
            if ((action & Passes) == 0) {
                return;
            }
        }
    }

    // What a beam arriving in `direction` does to the piece on its cell
    // besides going on or ending there.
    void actOn(std::size_t index, BeamAction action, std::uint8_t direction, std::int32_t colour)
    {
        const Piece& piece = m_level.pieces[index];
        if ((action & Lights) != 0) {
            light(piece.kind, m_result.pieces[index], colour);
        }
        if ((action & HitsBomb) != 0) {
            m_result.bombHit = m_result.bombHit || m_level.mode == Mode::Play;
        }
        if ((action & Feeds) != 0 && piece.output >= 0) {
            const OutputFeed fed = fedBeam(piece.kind, piece.direction, direction, colour);
            const auto output = static_cast<std::size_t>(piece.output);
            m_feeds.push_back({output, fed});
            feed(m_result.sources[output], fed);
        }
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

    const Level& m_level;
    Occupancy m_occupancy;
    Evaluation& m_result;
    std::vector<TracedBeam> m_traced; // by source index
    std::vector<FedOutput> m_feeds;
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
