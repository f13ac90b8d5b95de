// Tracing speed: every repaint (each mouse move while dragging) retraces all beams twice.
#include "full_board.h"

#include "core/outcome.h"
#include "core/tracer.h"

#include <benchmark/benchmark.h>

namespace prismora {
namespace {

class CountingSink : public SegmentSink {
public:
    void DrawSegment(const BeamSegment&) override { ++segments; }
    long segments = 0;
};

void BM_TraceAllFullBoard(benchmark::State& state)
{
    Board board = bench::FullBoard();
    CountingSink sink;
    for (auto _ : state) {
        sink.segments = 0;
        TraceAll(board, &sink);
        benchmark::DoNotOptimize(board.BombHit);
    }
    state.counters["pieces"] = board.PieceCount;
    state.counters["emitters"] = board.EmitterCount;
    state.counters["segments"] = static_cast<double>(sink.segments);
}
BENCHMARK(BM_TraceAllFullBoard)->Unit(benchmark::kMicrosecond);

void BM_EvaluateFullBoard(benchmark::State& state)
{
    Board board = bench::FullBoard();
    for (auto _ : state) {
        benchmark::DoNotOptimize(EvaluateBoard(board, nullptr).verdict);
    }
}
BENCHMARK(BM_EvaluateFullBoard)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace prismora

BENCHMARK_MAIN();
