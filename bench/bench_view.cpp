// Board paint speed: one full paint of a full board, against a plain fill-and-copy of the picture.
#include "full_board.h"

#include "core/evaluation.h"
#include "view/board_geometry.h"
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

// The shared full board (99 pieces, 51 sources, long beams) with every other
// piece turned back to a straight direction, so half the sprites are rotated.
Level halfDiagonalBoard()
{
    Level level = bench::fullBoard();
    for (std::size_t i = 0; i < level.pieces.size(); i += 2) {
        level.pieces[i].direction &= 6;
    }
    return level;
}

// The paint alone: the level is evaluated once, as the window does after each action.
void BM_FullPaint(benchmark::State& state)
{
    const Level level = halfDiagonalBoard();
    const Evaluation evaluation = evaluate(level);
    const BitmapList& sprites = StandardSprites();
    QImage image(geometry::BoardPixels, geometry::BoardPixels, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&image);
        paintBoard(painter, level, evaluation, sprites);
    }
    int diagonal = 0;
    for (const Piece& piece : level.pieces) {
        diagonal += piece.direction % 2;
    }
    state.counters["pieces"] = static_cast<double>(level.pieces.size());
    state.counters["diagonal"] = diagonal;
    state.counters["sources"] = static_cast<double>(level.sources.size());
    state.counters["segments"] = static_cast<double>(evaluation.segments.size());
}
BENCHMARK(BM_FullPaint)->Unit(benchmark::kMicrosecond);

// The floor: fill a board-sized picture and copy it to another, nothing else.
void BM_FillAndCopyFloor(benchmark::State& state)
{
    QImage image(geometry::BoardPixels, geometry::BoardPixels, QImage::Format_RGB32);
    QImage copy(geometry::BoardPixels, geometry::BoardPixels, QImage::Format_RGB32);
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
