// Level file speed: formatting and parsing a full level, and a save + load through the disk.
#include "core/level_file.h"
#include "full_board.h"

#include <benchmark/benchmark.h>

#include <filesystem>

namespace {

using namespace prismora;

Game FullGame()
{
    Game game;
    game.board = bench::FullBoard();
    game.levelName = "Fullt bräde – 99 pjäser och 51 strålkällor";
    game.palette.AppendRows(0, PlayRowCount - 1);
    for (int row = 0; row < PlayRowCount; ++row) {
        for (int c = 0; c < 10; ++c) {
            game.palette.Increase(row);
        }
    }
    return game;
}

void BM_FormatLevel(benchmark::State& state)
{
    const Game game = FullGame();
    for (auto _ : state) {
        benchmark::DoNotOptimize(FormatLevel(game, false));
    }
}
BENCHMARK(BM_FormatLevel)->Unit(benchmark::kMicrosecond);

void BM_ParseLevel(benchmark::State& state)
{
    const std::string bytes = FormatLevel(FullGame(), false);
    Game game;
    for (auto _ : state) {
        benchmark::DoNotOptimize(ParseLevel(game, bytes));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_ParseLevel)->Unit(benchmark::kMicrosecond);

// The figure that matters to the player: SaveLevel then LoadLevel of a full
// level on the local disk.
void BM_SaveAndLoadRoundTrip(benchmark::State& state)
{
    const Game game = FullGame();
    const auto dir = std::filesystem::temp_directory_path() / "prismora-bench-level-file";
    std::filesystem::create_directories(dir);
    const auto path = dir / "Level01.prl";
    Game loaded;
    for (auto _ : state) {
        if (!SaveLevel(game, path, false).ok ||
            LoadLevel(loaded, path).status != LoadStatus::Loaded) {
            state.SkipWithError("the round trip failed");
            break;
        }
    }
    std::filesystem::remove_all(dir);
}
BENCHMARK(BM_SaveAndLoadRoundTrip)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
