// Writes the level series from its descriptions and checks every level on the way.
//
//   prismora_leveltool OUTDIR [--docs]
//
// For each level: builds it, saves OUTDIR/LevelNN.prl as the editor does,
// loads the file back and checks it the way a player meets it (not solved on
// loading, no bomb going off on loading or when a piece arrives from the
// palette, solvable, needing at least two pieces from the third level on,
// the designer's solution working in any placing order and as saved; from
// level 31 on exactly one solution of four to eight pieces that no three
// pieces make, and a difficulty that never falls from one master level to
// the next), then prints one line with its false leads, difficulty score
// and the solver's state count (see difficulty.h). --docs prints the series
// as a Markdown table instead. Exit 1 when any level fails a check.
#include "difficulty.h"
#include "level_checks.h"
#include "level_design.h"

#include "core/evaluation.h"
#include "core/level_file.h"
#include "core/palette.h"
#include "core/solver_checks.h"

#include <cstdio>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

namespace prismora {
namespace {

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

// One level written, read back and checked.
struct LevelReport {
    std::string failure; // empty when every check passed
    std::string palette;
    long states = 0;
    Difficulty difficulty;
};

LevelReport writeLevel(const LevelDesign& design, int number, const std::filesystem::path& folder)
{
    LevelReport report;
    const std::optional<Level> built = buildLevel(design, report.failure);
    if (!built) {
        return report;
    }
    const std::filesystem::path path = folder / levelFileName(number);
    const auto saved = saveLevel(*built, SaveLayout::Design, Completion::Finished, path);
    if (!saved.ok()) {
        report.failure = saved.error().reason;
        return report;
    }
    auto read = loadLevel(path);
    if (!read.ok()) {
        report.failure = "cannot load " + path.string();
        return report;
    }
    const Level& loaded = read.value().level;
    const LevelCheck check = checkLevel(*built, loaded, number);
    report.failure = check.failure;
    report.states = check.states;
    report.palette = paletteText(loaded);
    report.difficulty = measureDifficulty(loaded, placedPieces(*built), number >= FirstMasterLevel);
    return report;
}

// The master levels rise in difficulty, and the first five are harder than
// the last level before them. (The solver's work is printed beside it but
// says how the search meets a level, not how hard it is: it is not compared.)
std::string checkRise(const std::vector<LevelReport>& reports, int number)
{
    if (number < FirstMasterLevel || number < 2) {
        return {};
    }
    const LevelReport& level = reports[static_cast<std::size_t>(number - 1)];
    const LevelReport& before = reports[static_cast<std::size_t>(number - 2)];
    const LevelReport& lastBasic = reports[static_cast<std::size_t>(FirstMasterLevel - 2)];
    if (level.difficulty.score() < before.difficulty.score()) {
        return "easier than the level before";
    }
    if (number < FirstMasterLevel + 5 && level.difficulty.score() <= lastBasic.difficulty.score()) {
        return "not harder than level " + std::to_string(FirstMasterLevel - 1);
    }
    return {};
}

int writeSeries(const std::filesystem::path& folder, bool docs)
{
    std::vector<LevelReport> reports;
    int failures = 0;
    long total = 0;
    if (docs) {
        std::cout << "| Nr | Namn | Pieces | Idea | False leads | Difficulty | Solver states |\n"
                     "|---|---|---|---|---|---|---|\n";
    }
    for (const LevelDesign& design : seriesDesigns()) {
        const int number = static_cast<int>(reports.size()) + 1;
        reports.push_back(writeLevel(design, number, folder));
        LevelReport& report = reports.back();
        if (report.failure.empty()) {
            report.failure = checkRise(reports, number);
        }
        total += report.states;
        failures += report.failure.empty() ? 0 : 1;
        if (docs) {
            std::cout << "| " << number << " | " << design.name << " | " << report.palette << " | "
                      << design.idea << " | " << report.difficulty.falseLeads << " | "
                      << report.difficulty.score() << " | " << report.states << " |\n";
        } else {
            std::printf("%2d %-28s %-52s %4d %4d %8ld %s\n", number,
                        std::string(design.name).c_str(), report.palette.c_str(),
                        report.difficulty.falseLeads, report.difficulty.score(), report.states,
                        report.failure.empty() ? "ok" : ("FAIL: " + report.failure).c_str());
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
