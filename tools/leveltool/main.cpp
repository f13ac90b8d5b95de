// Writes the level series from its descriptions and checks every level on the way.
//
//   prismora_leveltool OUTDIR [--docs]
//
// For each level: builds it, saves OUTDIR/LevelNN.prl as the editor does,
// loads the file back and checks it the way a player meets it (not solved on
// loading, no bomb going off on loading or when a piece arrives from the
// palette, solvable, needing at least two pieces from the third level on,
// the designer's solution working in any placing order and as saved), then
// prints one line with the solver's state count. --docs prints the series as
// a Markdown table instead. Exit 1 when any level fails a check.
#include "level_design.h"

#include "core/evaluation.h"
#include "core/level_file.h"
#include "core/palette.h"
#include "core/solver_checks.h"

#include <cstdio>
#include <filesystem>
#include <iostream>
#include <string>

namespace prismora {
namespace {

constexpr std::uint32_t OrderSeed = 20261208;
constexpr int RandomOrders = 200;
// The first two levels teach with a single piece.
constexpr int FirstLevelNeedingTwo = 3;

std::string levelFileName(int number)
{
    char name[32];
    std::snprintf(name, sizeof name, "Level%02d.prl", number);
    return name;
}

// "2 Spegel, 1 Kryss": the palette of a loaded level.
std::string paletteText(const Level& level)
{
    std::string text;
    for (int row = 0; row < PlayRowCount; ++row) {
        if (paletteCount(level, row) > 0) {
            text += (text.empty() ? "" : ", ") + std::to_string(paletteCount(level, row)) + " " +
                    std::string(PaletteRowNames[static_cast<std::size_t>(row)]);
        }
    }
    return text;
}

// A piece taken from the palette arrives at column 1, row 1 facing east; on a
// beam there it must not send the beam into a bomb before the player moves it.
bool arrivalExplodes(const Level& loaded)
{
    for (int row = 0; row < PlayRowCount; ++row) {
        if (paletteCount(loaded, row) > 0) {
            const Placement arrival{*kindOfRow(row), 1, 1, 0};
            if (verdictAfter(loaded, std::span(&arrival, 1)) == Verdict::Bomb) {
                return true;
            }
        }
    }
    return false;
}

// Every check a shipped level must pass; the empty string when all pass.
std::string checkLevel(const Level& built, const Level& loaded, int number, long& states)
{
    if (evaluate(built).verdict != Verdict::Solved) {
        return "the designer's solution does not light every lamp";
    }
    const Verdict first = evaluate(loaded).verdict;
    if (first == Verdict::Solved) {
        return "solved on loading";
    }
    if (first == Verdict::Bomb) {
        return "a bomb goes off on loading";
    }
    if (arrivalExplodes(loaded)) {
        return "a piece taken from the palette sets off a bomb where it arrives";
    }
    const SolveResult solved = solve(loaded);
    states = solved.states;
    if (solved.status != SolveStatus::Solved) {
        return "the solver finds no solution";
    }
    if (number >= FirstLevelNeedingTwo && solvableWith(loaded, 1)) {
        return "one piece is enough";
    }
    const std::vector<Placement> pieces = placedPieces(built);
    if (!solvesLevel(loaded, pieces)) {
        return "the designer's solution fails as saved";
    }
    if (orderThatFails(loaded, pieces, OrderSeed, RandomOrders)) {
        return "the designer's solution fails in some placing order";
    }
    return {};
}

int writeSeries(const std::filesystem::path& folder, bool docs)
{
    int failures = 0;
    long total = 0;
    int number = 0;
    if (docs) {
        std::cout << "| Nr | Namn | Pieces | New idea | Solver states |\n|---|---|---|---|---|\n";
    }
    for (const LevelDesign& design : SeriesDesigns()) {
        ++number;
        std::string error;
        const std::optional<Level> built = buildLevel(design, error);
        const std::filesystem::path path = folder / levelFileName(number);
        Level loaded;
        if (built) {
            const auto saved = saveLevel(*built, SaveLayout::Design, Completion::Finished, path);
            error = saved.ok() ? "" : saved.error().reason;
        }
        if (error.empty()) {
            auto read = loadLevel(path);
            if (read.ok()) {
                loaded = std::move(read.value().level);
            } else {
                error = "cannot load " + path.string();
            }
        }
        long states = 0;
        if (error.empty()) {
            error = checkLevel(*built, loaded, number, states);
        }
        total += states;
        failures += error.empty() ? 0 : 1;
        if (docs) {
            std::cout << "| " << number << " | " << design.name << " | " << paletteText(loaded)
                      << " | " << design.idea << " | " << states << " |\n";
        } else {
            std::printf("%2d %-28s %-44s %8ld %s\n", number, std::string(design.name).c_str(),
                        paletteText(loaded).c_str(), states,
                        error.empty() ? "ok" : ("FAIL: " + error).c_str());
        }
    }
    if (!docs) {
        std::printf("total states %ld, %d failing\n", total, failures);
    }
    return failures == 0 ? 0 : 1;
}

} // namespace
} // namespace prismora

int main(int argc, char** argv)
{
    if (argc < 2 || argc > 3 || (argc == 3 && std::string(argv[2]) != "--docs")) {
        std::cerr << "usage: prismora_leveltool OUTDIR [--docs]\n";
        return 2;
    }
    std::error_code ignored;
    std::filesystem::create_directories(argv[1], ignored);
    return prismora::writeSeries(argv[1], argc == 3);
}
