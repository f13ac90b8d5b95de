// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Evaluation speed: every action (each pointer move while dragging) traces all beams twice.
#include "fastest_runs.h"
#include "full_board.h"

#include "core/evaluation.h"
#include "core/piece_kind.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace prismora {
namespace {

void BM_TraceAllFullBoard(benchmark::State& state)
{
    const Level level = bench::fullBoard();
    Evaluation evaluation = evaluate(level);
    for (auto _ : state) {
        reevaluate(level, evaluation);
        benchmark::DoNotOptimize(evaluation.verdict);
    }
    state.counters["pieces"] = static_cast<double>(level.pieces.size());
    state.counters["sources"] = static_cast<double>(level.sources.size());
    state.counters["segments"] = static_cast<double>(evaluation.segments.size());
}
BENCHMARK(BM_TraceAllFullBoard)
    ->Unit(benchmark::kMicrosecond)
    ->ComputeStatistics("min", bench::FastestRunReporter::minimum);

void BM_EvaluateFullBoard(benchmark::State& state)
{
    const Level level = bench::fullBoard();
    for (auto _ : state) {
        benchmark::DoNotOptimize(evaluate(level).verdict);
    }
}
BENCHMARK(BM_EvaluateFullBoard)
    ->Unit(benchmark::kMicrosecond)
    ->ComputeStatistics("min", bench::FastestRunReporter::minimum);

// A straight stretch of a traced beam: where it starts, which way it runs and
// how many steps it takes before a piece turns or ends it.
struct StraightRun {
    std::int64_t column;
    std::int64_t row;
    std::uint8_t direction;
    std::int32_t colour;
    int steps;
};

std::uint8_t directionOf(const BeamSegment& segment)
{
    for (std::uint8_t direction = 0; direction < 8; ++direction) {
        const Step step = stepOf(direction);
        if (segment.toColumn - segment.fromColumn == step.dx &&
            segment.toRow - segment.fromRow == step.dy) {
            return direction;
        }
    }
    return 0;
}

// The full board's beams cut into straight runs, in tracing order.
std::vector<StraightRun> straightRuns(const Evaluation& evaluation)
{
    std::vector<StraightRun> runs;
    const BeamSegment* previous = nullptr;
    for (const BeamSegment& segment : evaluation.segments) {
        const std::uint8_t direction = directionOf(segment);
        const bool continues = previous != nullptr && previous->toColumn == segment.fromColumn &&
                               previous->toRow == segment.fromRow &&
                               runs.back().direction == direction &&
                               previous->colour == segment.colour;
        if (continues) {
            ++runs.back().steps;
        } else {
            runs.push_back({segment.fromColumn, segment.fromRow, direction, segment.colour, 1});
        }
        previous = &segment;
    }
    return runs;
}

// The floor of tracing: the same cells in the same order as the full board's
// beams, with the work every walk does (step, bounds check, record the
// segment) and no piece to look up. Runs are known in advance, so this is
// cheaper than any real trace.
void BM_CellWalkFloor(benchmark::State& state)
{
    const Level level = bench::fullBoard();
    const Evaluation traced = evaluate(level);
    const std::vector<StraightRun> runs = straightRuns(traced);
    std::vector<BeamSegment> segments;
    segments.reserve(traced.segments.size());
    for (auto _ : state) {
        segments.clear();
        for (const StraightRun& run : runs) {
            const Step step = stepOf(run.direction);
            std::int64_t column = run.column;
            std::int64_t row = run.row;
            for (int i = 0; i < run.steps; ++i) {
                segments.push_back({column, row, column + step.dx, row + step.dy, run.colour});
                column += step.dx;
                row += step.dy;
                if (column < 0 || column > BoardCells || row < 0 || row > BoardCells) {
                    break;
                }
            }
        }
        benchmark::DoNotOptimize(segments.data());
        benchmark::ClobberMemory();
    }
    if (segments.size() != traced.segments.size()) {
        state.SkipWithError("the walk does not visit the traced cells");
    }
    state.counters["runs"] = static_cast<double>(runs.size());
    state.counters["segments"] = static_cast<double>(segments.size());
}
BENCHMARK(BM_CellWalkFloor)
    ->Unit(benchmark::kMicrosecond)
    ->ComputeStatistics("min", bench::FastestRunReporter::minimum);

} // namespace
} // namespace prismora

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    prismora::bench::FastestRunReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printRatio("BM_TraceAllFullBoard", "BM_CellWalkFloor", 3);
    benchmark::Shutdown();
    return 0;
}
