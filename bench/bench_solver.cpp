// Solving every shipped level: time and states searched per level, and the whole series.
// Goal: each level under 1 s, the series under 10 s.
#include "core/level_file.h"
#include "core/solver.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace {

using namespace prismora;

std::vector<std::filesystem::path> SeriesFiles()
{
    std::vector<std::filesystem::path> files;
    for (int number = 1; number <= 99; ++number) {
        char name[32];
        std::snprintf(name, sizeof name, "Level%02d.prl", number);
        const std::filesystem::path path = std::filesystem::path(PRISMORA_LEVELS_DIR) / name;
        if (!std::filesystem::exists(path)) {
            break;
        }
        files.push_back(path);
    }
    return files;
}

void SolveLevel(benchmark::State& state, const std::filesystem::path& path)
{
    Game game;
    if (LoadLevel(game, path).status != LoadStatus::Loaded) {
        state.SkipWithError("level does not load");
        return;
    }
    long states = 0;
    for (auto _ : state) {
        const SolveResult result = Solve(game);
        states = result.states;
        if (result.status != SolveStatus::Solved) {
            state.SkipWithError("not solved");
            return;
        }
    }
    state.counters["states"] = static_cast<double>(states);
}

void SolveSeries(benchmark::State& state, const std::vector<std::filesystem::path>& files)
{
    std::vector<Game> games(files.size());
    for (std::size_t i = 0; i < files.size(); ++i) {
        LoadLevel(games[i], files[i]);
    }
    long states = 0;
    for (auto _ : state) {
        states = 0;
        for (const Game& game : games) {
            states += Solve(game).states;
        }
    }
    state.counters["states"] = static_cast<double>(states);
}

} // namespace

int main(int argc, char** argv)
{
    const std::vector<std::filesystem::path> files = SeriesFiles();
    for (const auto& path : files) {
        benchmark::RegisterBenchmark(("Solve/" + path.stem().string()).c_str(), SolveLevel, path)
            ->Unit(benchmark::kMillisecond);
    }
    benchmark::RegisterBenchmark("SolveSeries", SolveSeries, files)->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
