// Evaluation speed: every action (each pointer move while dragging) traces all beams twice.
#include "full_board.h"

#include "core/evaluation.h"

#include <benchmark/benchmark.h>

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
BENCHMARK(BM_TraceAllFullBoard)->Unit(benchmark::kMicrosecond);

void BM_EvaluateFullBoard(benchmark::State& state)
{
    const Level level = bench::fullBoard();
    for (auto _ : state) {
        benchmark::DoNotOptimize(evaluate(level).verdict);
    }
}
BENCHMARK(BM_EvaluateFullBoard)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace prismora

BENCHMARK_MAIN();
