// Board paint speed: one full paint of a full board, against a plain fill-and-copy of the board
// picture.
#include "full_board.h"

#include "view/board_painter.h"
#include "view/sprite_set.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <string>

namespace prismora {
namespace {

// The shared full board (99 pieces, 51 emitters, long beams) with every other
// piece turned back to a straight direction, so half the sprites are rotated.
Board HalfDiagonalBoard()
{
    Board board = bench::FullBoard();
    for (int i = 0; i < board.PieceCount; i += 2) {
        board.Pieces[static_cast<std::size_t>(i)].Direction &= 6;
    }
    return board;
}

class CountingSink : public SegmentSink {
public:
    void DrawSegment(const BeamSegment&) override { ++segments; }
    long segments = 0;
};

void BM_FullPaint(benchmark::State& state)
{
    Board board = HalfDiagonalBoard();
    const BitmapList& sprites = StandardSprites();
    QImage image(BoardPixels, BoardPixels, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&image);
        benchmark::DoNotOptimize(PaintBox1Paint(painter, board, sprites));
    }
    CountingSink sink;
    TraceAll(board, &sink);
    int diagonal = 0;
    for (int i = 0; i < board.PieceCount; ++i) {
        diagonal += board.Pieces[static_cast<std::size_t>(i)].Direction % 2;
    }
    state.counters["pieces"] = board.PieceCount;
    state.counters["diagonal"] = diagonal;
    state.counters["emitters"] = board.EmitterCount;
    state.counters["segments"] = static_cast<double>(sink.segments);
}
BENCHMARK(BM_FullPaint)->Unit(benchmark::kMicrosecond);

// The floor: fill a board-sized picture and copy it to another, nothing else.
void BM_FillAndCopyFloor(benchmark::State& state)
{
    QImage image(BoardPixels, BoardPixels, QImage::Format_RGB32);
    QImage copy(BoardPixels, BoardPixels, QImage::Format_RGB32);
    for (auto _ : state) {
        image.fill(QColor(0xC0, 0xC0, 0xC0));
        std::memcpy(copy.bits(), image.constBits(), static_cast<std::size_t>(image.sizeInBytes()));
        benchmark::DoNotOptimize(copy.bits());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_FillAndCopyFloor)->Unit(benchmark::kMicrosecond);

// Keeps the mean real time per iteration of each benchmark for the summary.
class SummaryReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Iteration && run.iterations > 0) {
                seconds[run.run_name.function_name] =
                    run.real_accumulated_time / static_cast<double>(run.iterations);
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> seconds;
};

} // namespace
} // namespace prismora

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    prismora::SummaryReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const double paint = reporter.seconds["BM_FullPaint"];
    const double floor = reporter.seconds["BM_FillAndCopyFloor"];
    if (paint > 0 && floor > 0) {
        std::printf("full paint %.3f ms, fill-and-copy floor %.3f ms, ratio %.1fx "
                    "(goals: under 2 ms, within 20x)\n",
                    paint * 1e3, floor * 1e3, paint / floor);
    }
    benchmark::Shutdown();
    return 0;
}
