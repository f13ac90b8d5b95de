// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Board paint speed: a full paint of a full board warm and in a fresh process, against a plain
// fill-and-copy of the picture, and paints while the workbench's analysis runs beside them.
#include "fastest_runs.h"
#include "full_board.h"

#include "core/evaluation.h"
#include "core/level_analysis.h"
#include "core/level_file.h"
#include "view/board_geometry.h"
#include "view/board_painter.h"
#include "view/sprite_set.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

namespace prismora {
namespace {

// Runs this program again with this option for one cold paint.
constexpr const char* ColdPaintOption = "--cold-paint";

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

// What the board view does on a paint: the board into its picture, and the
// picture laid on the screen's.
struct ViewPictures {
    QImage board{geometry::BoardPixels, geometry::BoardPixels, QImage::Format_RGB32};
    QImage screen{geometry::BoardPixels, geometry::BoardPixels, QImage::Format_RGB32};

    ViewPictures()
    {
        board.fill(Qt::black);
        screen.fill(Qt::black);
    }

    void paint(const Level& level, const Evaluation& evaluation)
    {
        paintBoard(board, 1, level, evaluation, standardSprites());
        QPainter painter(&screen);
        painter.drawImage(QPoint(0, 0), board);
    }
};

// The paint alone: the level is evaluated once, as the window does after each action.
void BM_FullPaint(benchmark::State& state)
{
    const Level level = halfDiagonalBoard();
    const Evaluation evaluation = evaluate(level);
    ViewPictures pictures;
    for (auto _ : state) {
        pictures.paint(level, evaluation);
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
BENCHMARK(BM_FullPaint)
    ->Unit(benchmark::kMicrosecond)
    ->ComputeStatistics("min", bench::FastestRunReporter::minimum);

// Writes enough memory to push the paint's data out of the processor's caches.
void evictCaches()
{
    static std::vector<char> sweep(16 << 20);
    for (std::size_t i = 0; i < sweep.size(); i += 64) {
        sweep[i] = static_cast<char>(sweep[i] + 1);
    }
    benchmark::DoNotOptimize(sweep.data());
}

// The first paint on a fresh thread, with the processor's caches swept
// before, so everything made per thread on first use is counted. Made once
// per process and not counted: the sprite set with its turned pictures and
// the beam step shapes (see BM_FullPaintColdProcess).
void BM_FullPaintCold(benchmark::State& state)
{
    const Level level = halfDiagonalBoard();
    const Evaluation evaluation = evaluate(level);
    ViewPictures pictures;
    pictures.paint(level, evaluation);
    for (auto _ : state) {
        evictCaches();
        std::chrono::duration<double> paint{};
        std::thread fresh([&] {
            const auto start = std::chrono::steady_clock::now();
            pictures.paint(level, evaluation);
            paint = std::chrono::steady_clock::now() - start;
        });
        fresh.join();
        state.SetIterationTime(paint.count());
    }
}
BENCHMARK(BM_FullPaintCold)
    ->Unit(benchmark::kMicrosecond)
    ->ComputeStatistics("min", bench::FastestRunReporter::minimum)
    ->UseManualTime()
    ->Iterations(200);

// The first paint in a fresh process: this program started again with
// ColdPaintOption loads the sprites (all turned pictures included) and times
// its first paint, so every cache made on first use, the process's own and
// Qt's, is counted. As for the floor, the two pictures are made and touched
// before. The sprite load is reported as a counter.
void BM_FullPaintColdProcess(benchmark::State& state, const std::string& program)
{
    double loadSeconds = 0;
    for (auto _ : state) {
        FILE* child = popen(("'" + program + "' " + ColdPaintOption).c_str(), "r");
        double paint = 0;
        double load = 0;
        const bool isRead = child != nullptr && std::fscanf(child, "%lf %lf", &paint, &load) == 2;
        if (child != nullptr) {
            pclose(child);
        }
        if (!isRead) {
            state.SkipWithError("the cold paint did not report");
            break;
        }
        state.SetIterationTime(paint);
        loadSeconds += load;
    }
    state.counters["sprite_load_ms"] =
        benchmark::Counter(loadSeconds * 1e3, benchmark::Counter::kAvgIterations);
}

// Paints while the workbench analyses the slowest shipped level to analyse,
// again and again, on its own threads (as the window's runner does): the
// window's thread never waits on the analysis, so what a paint may lose is
// the processor. Goal: no paint over 20 ms.
void BM_PaintWhileAnalysing(benchmark::State& state)
{
    const auto loaded = loadLevel(PRISMORA_LEVELS_DIR "/Level60.prl");
    if (!loaded.ok()) {
        state.SkipWithError("Level60.prl did not load");
        return;
    }
    const Level level = halfDiagonalBoard();
    const Evaluation evaluation = evaluate(level);
    ViewPictures pictures;
    pictures.paint(level, evaluation);
    std::atomic<bool> stop{false};
    std::atomic<int> analyses{0};
    std::jthread analysing([&] {
        while (!stop.load()) {
            analyseLevel(loaded.value().level, {.cancel = &stop});
            ++analyses;
        }
    });
    double slowest = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        pictures.paint(level, evaluation);
        const std::chrono::duration<double> paint = std::chrono::steady_clock::now() - start;
        slowest = std::max(slowest, paint.count());
        state.SetIterationTime(paint.count());
        // About a frame apart, as a window repaints.
        std::this_thread::sleep_for(std::chrono::milliseconds(16));
    }
    stop = true;
    state.counters["slowest_ms"] = slowest * 1e3;
    state.counters["analyses_finished"] = analyses.load();
}
BENCHMARK(BM_PaintWhileAnalysing)->Unit(benchmark::kMicrosecond)->UseManualTime()->Iterations(600);

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
BENCHMARK(BM_FillAndCopyFloor)
    ->Unit(benchmark::kMicrosecond)
    ->ComputeStatistics("min", bench::FastestRunReporter::minimum);

// The child's side of BM_FullPaintCold: prints the first paint's and the
// sprite load's seconds.
int coldPaint()
{
    using Clock = std::chrono::steady_clock;
    const Level level = halfDiagonalBoard();
    const Evaluation evaluation = evaluate(level);
    ViewPictures pictures;
    const Clock::time_point loadStart = Clock::now();
    standardSprites();
    const Clock::time_point paintStart = Clock::now();
    pictures.paint(level, evaluation);
    const Clock::time_point end = Clock::now();
    const std::chrono::duration<double> paint = end - paintStart;
    const std::chrono::duration<double> load = paintStart - loadStart;
    std::printf("%.9f %.9f\n", paint.count(), load.count());
    return 0;
}

} // namespace
} // namespace prismora

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    if (argc == 2 && std::strcmp(argv[1], prismora::ColdPaintOption) == 0) {
        return prismora::coldPaint();
    }
    const std::string program = QCoreApplication::applicationFilePath().toStdString();
    benchmark::RegisterBenchmark("BM_FullPaintColdProcess", prismora::BM_FullPaintColdProcess,
                                 program)
        ->Unit(benchmark::kMicrosecond)
        ->ComputeStatistics("min", prismora::bench::FastestRunReporter::minimum)
        ->UseManualTime()
        ->Iterations(20);
    benchmark::Initialize(&argc, argv);
    prismora::bench::FastestRunReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printRatio("BM_FullPaint", "BM_FillAndCopyFloor", 3);
    reporter.printRatio("BM_FullPaintCold", "BM_FullPaint", 2);
    benchmark::Shutdown();
    return 0;
}
