// Solving every shipped level: time and states searched per level, and the whole series.
// Goal: each level under 1 s, the series under 10 s.
#include "core/level_file.h"
#include "core/solver.h"
#include "series_files.h"

#include <benchmark/benchmark.h>

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

void solveSeries(benchmark::State& state, const std::vector<std::filesystem::path>& files)
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
            states += solve(level).states;
        }
    }
    state.counters["states"] = static_cast<double>(states);
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
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
