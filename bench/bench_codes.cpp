// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Level codes on every shipped level: encoding the level as loaded and decoding its code.
// Goal: at most 20 µs each.
#include "fastest_runs.h"
#include "series_files.h"

#include "core/level_code.h"
#include "core/level_file.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

using namespace prismora;

constexpr double GoalSeconds = 20e-6;

void encode(benchmark::State& state, const Level& level)
{
    for (auto _ : state) {
        benchmark::DoNotOptimize(encodeLevelCode(level));
    }
}

void decode(benchmark::State& state, const std::string& code)
{
    for (auto _ : state) {
        const auto decoded = decodeLevelCode(code);
        if (!decoded.ok()) {
            state.SkipWithError("the code was refused");
            return;
        }
        benchmark::DoNotOptimize(decoded.value());
    }
}

} // namespace

int main(int argc, char** argv)
{
    // Both lists are complete before any benchmark refers to their entries.
    std::vector<Level> levels;
    for (const auto& path : bench::seriesFiles()) {
        if (auto loaded = loadLevel(path); loaded.ok()) {
            levels.push_back(std::move(loaded.value().level));
        }
    }
    std::vector<std::string> codes;
    for (const Level& level : levels) {
        codes.push_back(encodeLevelCode(level));
    }
    for (std::size_t i = 0; i < levels.size(); ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "Level%02zu", i + 1);
        benchmark::RegisterBenchmark((std::string("Encode/") + name).c_str(), encode, levels[i])
            ->Unit(benchmark::kMicrosecond)
            ->MinTime(0.05)
            ->ComputeStatistics("min", bench::FastestRunReporter::minimum);
        benchmark::RegisterBenchmark((std::string("Decode/") + name).c_str(), decode, codes[i])
            ->Unit(benchmark::kMicrosecond)
            ->MinTime(0.05)
            ->ComputeStatistics("min", bench::FastestRunReporter::minimum);
    }
    benchmark::Initialize(&argc, argv);
    bench::FastestRunReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    for (const char* prefix : {"Encode/", "Decode/"}) {
        reporter.printSlowest(prefix, GoalSeconds, "us", 1e6);
    }
    benchmark::Shutdown();
    return 0;
}
