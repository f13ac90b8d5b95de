// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Solving and counting (up to two solutions) every shipped level and a set of hard levels: the
// twenty stored ones and fifty made from a seed. Goals: every shipped level solved and counted
// in 0.5 s, every hard level decided in 2 s, and the process never above 128 MB.
#include "core/level_file.h"
#include "core/solver.h"
#include "hard_levels.h"
#include "series_files.h"

#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace {

using namespace prismora;

constexpr unsigned HardSeed = 2027;
constexpr int MadeHardLevels = 50;

// The slowest level of one group (shipped solve, shipped count, hard solve, hard count), by the
// fastest of its runs.
struct Slowest {
    std::string level;
    double seconds = 0.0;
    long states = 0;
};

std::map<std::string, Slowest>& slowest()
{
    static std::map<std::string, Slowest> groups;
    return groups;
}

// The largest memory the process has held so far, in megabytes.
double peakMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

struct Decided {
    long states = 0;
    bool isDecided = false;
};

Decided solveOnce(const Level& level)
{
    const SolveResult result = solve(level);
    return {result.states, result.status != SolveStatus::GaveUp};
}

Decided countOnce(const Level& level)
{
    const CountResult result = countSolutions(level, 2);
    return {result.states, result.isExact || result.solutions >= 2};
}

// Runs `work` on `level`, keeps its fastest run and enters it in `group`'s slowest.
template <typename Work>
void measure(benchmark::State& state, const std::string& group, const std::string& name,
             const Level& level, Work work)
{
    Decided decided;
    double fastest = 1e9;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        decided = work(level);
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        fastest = std::min(fastest, took.count());
    }
    if (!decided.isDecided) {
        state.SkipWithError("not decided");
    }
    state.counters["states"] = static_cast<double>(decided.states);
    state.counters["peak_MB"] = peakMegabytes();
    Slowest& kept = slowest()[group];
    if (fastest > kept.seconds) {
        kept = {name, fastest, decided.states};
    }
}

void add(const std::string& group, const std::string& name, const Level& level, bool isHard)
{
    const auto solveBench = [group, name, level](benchmark::State& state) {
        measure(state, group + " solve", name, level, solveOnce);
    };
    const auto countBench = [group, name, level](benchmark::State& state) {
        measure(state, group + " count", name, level, countOnce);
    };
    benchmark::internal::Benchmark* solved =
        benchmark::RegisterBenchmark(("Solve/" + name).c_str(), solveBench);
    benchmark::internal::Benchmark* counted =
        benchmark::RegisterBenchmark(("Count/" + name).c_str(), countBench);
    for (benchmark::internal::Benchmark* each : {solved, counted}) {
        each->Unit(benchmark::kMillisecond);
        if (isHard) {
            each->Iterations(2);
        } else {
            each->MinTime(0.1);
        }
    }
}

std::vector<std::filesystem::path> storedHardFiles()
{
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(PRISMORA_HARD_LEVELS_DIR)) {
        if (entry.path().extension() == ".prl") {
            files.push_back(entry.path());
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

void addFiles(const std::vector<std::filesystem::path>& files, const std::string& group,
              bool isHard)
{
    for (const auto& path : files) {
        if (const auto loaded = loadLevel(path); loaded.ok()) {
            add(group, path.stem().string(), loaded.value().level, isHard);
        } else {
            std::fprintf(stderr, "%s does not load\n", path.string().c_str());
        }
    }
}

} // namespace

int main(int argc, char** argv)
{
    addFiles(bench::seriesFiles(), "shipped", false);
    addFiles(storedHardFiles(), "hard", true);
    int number = 0;
    for (const Level& level : hardLevels(HardSeed, MadeHardLevels)) {
        char name[32];
        std::snprintf(name, sizeof name, "made%02d", ++number);
        add("hard", name, level, true);
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::printf("\nslowest (fastest run of each level; made levels: seed %u):\n", HardSeed);
    for (const auto& [group, kept] : slowest()) {
        std::printf("  %-14s %-10s %8.1f ms %10ld states\n", group.c_str(), kept.level.c_str(),
                    kept.seconds * 1000.0, kept.states);
    }
    std::printf("peak memory: %.1f MB\n", peakMegabytes());
    return 0;
}
