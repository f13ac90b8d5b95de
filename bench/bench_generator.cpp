// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Generating levels from seed codes, tier by tier: time per level over many seeds, and peak memory.
// Goals: median at most 0.5 s and slowest at most 2 s for "Lätt", "Medel" and "Svår"; median at
// most 2 s and slowest at most 5 s for "Mästare"; peak memory at most 200 MB.
#include "base/first_success.h"
#include "core/level_generator.h"
#include "core/level_measures.h"

#include <benchmark/benchmark.h>

#include <sys/resource.h>
#include <time.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <vector>

namespace {

using namespace prismora;

// Seeds per tier; PRISMORA_GENERATOR_SEEDS in the environment takes more.
int seedCount()
{
    const char* text = std::getenv("PRISMORA_GENERATOR_SEEDS");
    const int count = text ? std::atoi(text) : 0;
    return count > 0 ? count : 50;
}

double peakMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

// The process's processor time, over the generator's threads: on a machine
// others load too, the wall clock says more about them than about the
// generator.
double processorSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0.0 : values[values.size() / 2];
}

// Whether a generated level has exactly one solution and meets every measure
// of a master level, asked as the workbench asks them.
bool meetsEveryMeasure(const Level& level)
{
    const CountResult count = countSolutions(level, 2);
    if (!count.isExact || count.solutions != 1) {
        return false;
    }
    const DesignedLevel designed{level, count.found.front()};
    const MeasureLimits limits{.count = &count, .threads = searchThreads()};
    for (const LevelMeasure& measure : levelMeasures()) {
        if (!measure.run(designed, {SeriesRules::Master, 0}, limits).holds()) {
            return false;
        }
    }
    return true;
}

// One pass over the seeds generates each level once: the figures are of the
// levels, not of repeating one. Each level is then asked every measure,
// outside the timing.
void generateTier(benchmark::State& state, Tier tier)
{
    std::vector<double> seconds;
    std::vector<double> processor;
    std::vector<double> difficulties;
    for (auto _ : state) {
        seconds.clear();
        processor.clear();
        difficulties.clear();
        for (int seed = 1; seed <= seedCount(); ++seed) {
            const auto start = std::chrono::steady_clock::now();
            const double startProcessor = processorSeconds();
            const auto generated =
                generateLevel({tier, GeneratorVersion, static_cast<std::uint32_t>(seed) * 7919u});
            seconds.push_back(
                std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
            processor.push_back(processorSeconds() - startProcessor);
            if (!generated.ok()) {
                state.SkipWithError("a seed made no level");
                return;
            }
            difficulties.push_back(generated.value().difficulty);
            state.PauseTiming();
            if (!meetsEveryMeasure(generated.value().level)) {
                state.SkipWithError("a generated level fails a measure");
                return;
            }
            state.ResumeTiming();
        }
    }
    state.counters["median_s"] = median(seconds);
    state.counters["slowest_s"] = *std::max_element(seconds.begin(), seconds.end());
    state.counters["median_cpu_s"] = median(processor);
    state.counters["slowest_cpu_s"] = *std::max_element(processor.begin(), processor.end());
    state.counters["median_difficulty"] = median(difficulties);
    state.counters["lowest_difficulty"] =
        *std::min_element(difficulties.begin(), difficulties.end());
    state.counters["highest_difficulty"] =
        *std::max_element(difficulties.begin(), difficulties.end());
    state.counters["peak_MB"] = peakMegabytes();
}

BENCHMARK_CAPTURE(generateTier, Easy, Tier::Easy)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK_CAPTURE(generateTier, Medium, Tier::Medium)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK_CAPTURE(generateTier, Hard, Tier::Hard)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK_CAPTURE(generateTier, Master, Tier::Master)->Iterations(1)->Unit(benchmark::kSecond);

} // namespace

BENCHMARK_MAIN();
