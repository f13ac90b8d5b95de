// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Level file speed: formatting and parsing a full level, and a save + load through the disk.
#include "core/level_file.h"
#include "full_board.h"

#include <benchmark/benchmark.h>

#include <filesystem>

namespace {

using namespace prismora;

Level fullLevel()
{
    Level level = bench::fullBoard();
    level.name = "Fullt bräde – 99 pjäser och 51 strålkällor";
    level.palette.assign(PlayRowCount, 10);
    return level;
}

std::string positionFile(const Level& level)
{
    return formatLevel(level, SaveLayout::Position, Completion::Unfinished);
}

void BM_FormatLevel(benchmark::State& state)
{
    const Level level = fullLevel();
    for (auto _ : state) {
        benchmark::DoNotOptimize(positionFile(level));
    }
}
BENCHMARK(BM_FormatLevel)->Unit(benchmark::kMicrosecond);

void BM_ParseLevel(benchmark::State& state)
{
    const std::string bytes = positionFile(fullLevel());
    for (auto _ : state) {
        benchmark::DoNotOptimize(parseLevel(bytes));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_ParseLevel)->Unit(benchmark::kMicrosecond);

// The figure that matters to the player: saving then loading a full
// level on the local disk.
void BM_SaveAndLoadRoundTrip(benchmark::State& state)
{
    const Level level = fullLevel();
    const auto dir = std::filesystem::temp_directory_path() / "prismora-bench-level-file";
    std::filesystem::create_directories(dir);
    const auto path = dir / "Level01.prl";
    for (auto _ : state) {
        if (!saveLevel(level, SaveLayout::Position, Completion::Unfinished, path).ok() ||
            !loadLevel(path).ok()) {
            state.SkipWithError("the round trip failed");
            break;
        }
    }
    std::filesystem::remove_all(dir);
}
BENCHMARK(BM_SaveAndLoadRoundTrip)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
