// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The workbench's analysis of every shipped level and of 100 generated ones, the slowest reported.
// Goal: at most 1 s for any level of up to 6 pieces to place.
#include "core/level_analysis.h"
#include "core/level_file.h"
#include "core/level_generator_planting.h"
#include "core/random.h"
#include "series_files.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <vector>

namespace {

using namespace prismora;

struct Slowest {
    double seconds = 0;
    int index = -1;
    long states = 0;
    int overGoal = 0; // levels that took more than the goal's second
};

// Analyses each level once, keeping the slowest.
Slowest analyseAll(const std::vector<Level>& levels)
{
    Slowest slowest;
    for (std::size_t i = 0; i < levels.size(); ++i) {
        const auto begin = std::chrono::steady_clock::now();
        const LevelAnalysis analysis = analyseLevel(levels[i]);
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
        benchmark::DoNotOptimize(analysis.solutions);
        slowest.overGoal += seconds > 1.0 ? 1 : 0;
        if (seconds > slowest.seconds) {
            slowest = {seconds, static_cast<int>(i), analysis.states, slowest.overGoal};
        }
    }
    return slowest;
}

void report(benchmark::State& state, const Slowest& slowest, std::size_t levels)
{
    state.counters["levels"] = static_cast<double>(levels);
    state.counters["slowest_s"] = slowest.seconds;
    state.counters["slowest_index"] = slowest.index;
    state.counters["slowest_states"] = static_cast<double>(slowest.states);
    state.counters["over_1s"] = slowest.overGoal;
}

void analyseSeries(benchmark::State& state)
{
    std::vector<Level> levels;
    for (const auto& path : bench::seriesFiles()) {
        if (auto loaded = loadLevel(path); loaded.ok()) {
            levels.push_back(std::move(loaded.value().level));
        }
    }
    Slowest slowest;
    for (auto _ : state) {
        slowest = analyseAll(levels);
    }
    report(state, slowest, levels.size());
}

// 100 levels planted with 3 to 6 pieces, the same in every run.
std::vector<Level> generatedLevels()
{
    std::vector<Level> levels;
    Random random(20261209);
    for (int attempt = 0; levels.size() < 100 && attempt < 10'000; ++attempt) {
        PlantingRecipe recipe;
        recipe.pieces = 3 + attempt % 4;
        if (std::optional<Planted> planted = plant(random, recipe)) {
            levels.push_back(std::move(planted->puzzle));
        }
    }
    return levels;
}

void analyseGenerated(benchmark::State& state)
{
    const std::vector<Level> levels = generatedLevels();
    Slowest slowest;
    for (auto _ : state) {
        slowest = analyseAll(levels);
    }
    report(state, slowest, levels.size());
}

} // namespace

BENCHMARK(analyseSeries)->Unit(benchmark::kSecond)->Iterations(1);
BENCHMARK(analyseGenerated)->Unit(benchmark::kSecond)->Iterations(1);

BENCHMARK_MAIN();
