// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The hint's time on every shipped level: from the start, and with a stray piece to take back.
// Goal: every hint within one second.
#include "fastest_runs.h"
#include "series_files.h"

#include "core/hint.h"
#include "core/level_file.h"
#include "core/palette.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace {

using namespace prismora;

constexpr double GoalSeconds = 1.0;

// The level with its first piece in hand put where the solution from the
// start puts none, turned east: the slow road, where the placed pieces agree
// with no solution and the search keeping them finds none.
Level withStrayPiece(Level level)
{
    const SolveResult start = solve(level);
    for (int row = 0; row < PlayRowCount; ++row) {
        if (paletteCount(level, row) <= 0) {
            continue;
        }
        for (int cell = 0; cell < BoardCells * BoardCells; ++cell) {
            const int column = cell % BoardCells + 1;
            const int line = cell / BoardCells + 1;
            bool isTaken = false;
            for (const Piece& piece : level.pieces) {
                isTaken =
                    isTaken || (!piece.removed && piece.column == column && piece.row == line);
            }
            for (const Placement& placement : start.solution) {
                isTaken = isTaken || (placement.column == column && placement.row == line);
            }
            if (!isTaken) {
                appendPiece(level, *kindOfRow(row), column, line, 0);
                changePaletteCount(level, row, -1);
                return level;
            }
        }
    }
    return level;
}

void hintFor(benchmark::State& state, const Level& level)
{
    const std::atomic<bool> notCancelled{false};
    for (auto _ : state) {
        const Hint hint = findHint(level, notCancelled);
        if (hint.kind != HintKind::Place && hint.kind != HintKind::TakeBack) {
            state.SkipWithError("no hint");
            return;
        }
        benchmark::DoNotOptimize(hint);
    }
}

} // namespace

int main(int argc, char** argv)
{
    // Both lists are complete before any benchmark refers to their levels.
    std::vector<Level> levels;
    for (const auto& path : bench::seriesFiles()) {
        if (auto loaded = loadLevel(path); loaded.ok()) {
            levels.push_back(std::move(loaded.value().level));
        }
    }
    std::vector<Level> strayed;
    for (const Level& level : levels) {
        strayed.push_back(withStrayPiece(level));
    }
    for (std::size_t i = 0; i < levels.size(); ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "Level%02zu", i + 1);
        for (const auto& [prefix, level] :
             {std::pair<std::string, const Level*>{"Hint/", &levels[i]},
              std::pair<std::string, const Level*>{"HintWithStrayPiece/", &strayed[i]}}) {
            benchmark::RegisterBenchmark((prefix + name).c_str(), hintFor, *level)
                ->Unit(benchmark::kMillisecond)
                ->ComputeStatistics("min", bench::FastestRunReporter::minimum);
        }
    }
    benchmark::Initialize(&argc, argv);
    bench::FastestRunReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    for (const char* prefix : {"Hint/", "HintWithStrayPiece/"}) {
        reporter.printSlowest(prefix, GoalSeconds, "ms", 1e3);
    }
    benchmark::Shutdown();
    return 0;
}
