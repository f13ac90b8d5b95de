// Solving every shipped level and twenty hard planted ones, and counting the series' solutions.
// Goals: the series under 1 s in total; every hard level decided within 10 s and 1 GB.
#include "core/level_file.h"
#include "core/solver.h"
#include "series_files.h"

#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace {

using namespace prismora;

void solveLevel(benchmark::State& state, const std::filesystem::path& path)
{
    const auto loaded = loadLevel(path);
    if (!loaded.ok()) {
        state.SkipWithError("level does not load");
        return;
    }
    const Level& level = loaded.value().level;
    long states = 0;
    for (auto _ : state) {
        const SolveResult result = solve(level);
        states = result.states;
        if (result.status != SolveStatus::Solved) {
            state.SkipWithError("not solved");
            return;
        }
    }
    state.counters["states"] = static_cast<double>(states);
}

// The largest memory the process has held so far, in megabytes.
double peakMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

void solveHard(benchmark::State& state, const std::filesystem::path& path)
{
    const auto loaded = loadLevel(path);
    if (!loaded.ok()) {
        state.SkipWithError("level does not load");
        return;
    }
    SolveResult result;
    for (auto _ : state) {
        result = solve(loaded.value().level);
    }
    if (result.status == SolveStatus::GaveUp) {
        state.SkipWithError(("gave up: " + describe(result.reason)).c_str());
    }
    state.counters["states"] = static_cast<double>(result.states);
    state.counters["peak_MB"] = peakMegabytes();
}

// Runs `work` on every level of the series in turn, adding up the states.
template <typename Work>
void wholeSeries(benchmark::State& state, const std::vector<std::filesystem::path>& files,
                 Work work)
{
    std::vector<Level> levels;
    for (const auto& file : files) {
        if (auto loaded = loadLevel(file); loaded.ok()) {
            levels.push_back(std::move(loaded.value().level));
        }
    }
    long states = 0;
    for (auto _ : state) {
        states = 0;
        for (const Level& level : levels) {
            states += work(level);
        }
    }
    state.counters["states"] = static_cast<double>(states);
}

void solveSeries(benchmark::State& state, const std::vector<std::filesystem::path>& files)
{
    wholeSeries(state, files, [](const Level& level) { return solve(level).states; });
}

void countSeries(benchmark::State& state, const std::vector<std::filesystem::path>& files)
{
    wholeSeries(state, files, [](const Level& level) { return countSolutions(level, 2).states; });
}

} // namespace

int main(int argc, char** argv)
{
    const std::vector<std::filesystem::path> files = bench::seriesFiles();
    for (const auto& path : files) {
        benchmark::RegisterBenchmark(("Solve/" + path.stem().string()).c_str(), solveLevel, path)
            ->Unit(benchmark::kMillisecond);
    }
    benchmark::RegisterBenchmark("SolveSeries", solveSeries, files)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("CountSeriesUpToTwo", countSeries, files)
        ->Unit(benchmark::kMillisecond);
    std::vector<std::filesystem::path> hard;
    for (const auto& entry : std::filesystem::directory_iterator(PRISMORA_HARD_LEVELS_DIR)) {
        if (entry.path().extension() == ".prl") {
            hard.push_back(entry.path());
        }
    }
    std::sort(hard.begin(), hard.end());
    for (const auto& path : hard) {
        benchmark::RegisterBenchmark(("SolveHard/" + path.stem().string()).c_str(), solveHard, path)
            ->Unit(benchmark::kMillisecond)
            ->Iterations(1);
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
