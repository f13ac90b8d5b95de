// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// levelgen SEED COUNT PIECES [KINDS [CANNONS [FLAGS]]]
//
// Proposes master levels for the level tool: plants a random solution of
// PIECES pieces drawn from KINDS (token letters, default MMDXTUIY; letters
// after a "+" are always planted, so "MMM+XI" holds a cross and an inverter) with
// CANNONS cannons (default 3) and, with the FLAGS letter O, a one-way piece on
// its path, with W a white lamp where it brings all three colours; adds lamps
// and bombs until the solution is the only one, then takes away every lamp,
// bomb and obstacle it does not need; checks the level as the level tool does
// and demands every measure of a master level (core/level_measures.h); and
// prints the COUNT that pass, as rows to paste into a series file, with their
// element counts, false leads, difficulty, solver states and a hash of their
// trick (proposals with one hash play the same trick).
#include "core/level_generator_unique.h"
#include "decoration.h"
#include "level_checks.h"
#include "level_design.h"
#include "level_report.h"

#include "core/level_file.h"
#include "core/solver_checks.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>

namespace prismora {
namespace {

std::array<std::string, 9> rowsOf(const Level& solved)
{
    std::array<std::array<std::string, 9>, 9> cells;
    for (auto& row : cells) {
        row.fill("..");
    }
    for (const Piece& p : solved.pieces) {
        if (!p.removed && isBoardCell(p.column, p.row)) {
            cells[static_cast<std::size_t>(p.row - 1)][static_cast<std::size_t>(p.column - 1)] =
                tokenOf(p.kind, p.direction);
        }
    }
    for (const BeamSource& s : solved.sources) {
        if (s.isCannon()) {
            const char colour = s.colour == RedBeam ? 'r' : s.colour == GreenBeam ? 'g' : 'b';
            cells[static_cast<std::size_t>(s.row - 1)][static_cast<std::size_t>(s.column - 1)] =
                std::string{colour, static_cast<char>('0' + s.direction)};
        }
    }
    std::array<std::string, 9> rows;
    for (std::size_t r = 0; r < 9; ++r) {
        for (std::size_t c = 0; c < 9; ++c) {
            rows[r] += (c ? " " : "") + cells[r][c];
        }
    }
    return rows;
}

// FNV-1a of a trick, printed so that a designer sees which proposals share one.
std::uint32_t trickHash(const Trick& trick)
{
    std::uint32_t hash = 2166136261u;
    for (const int value : trick) {
        hash = (hash ^ static_cast<std::uint32_t>(value)) * 16777619u;
    }
    return hash;
}

// The measures that need no count, asked first because they are quick.
bool passesQuickMeasures(const DesignedLevel& level)
{
    return measureRestraint(level.start).holds() && measureDarkStart(level.start).holds() &&
           measureSafePath(level).holds() && measurePurposefulBombs(level).holds();
}

// Builds the level from its rows as the level tool does, checks it and
// measures it as a master level; prints it when everything holds.
bool offer(const std::array<std::string, 9>& rows, const std::filesystem::path& scratch)
{
    LevelDesign design{"Förslag", "", {}};
    for (std::size_t r = 0; r < 9; ++r) {
        design.rows[r] = rows[r];
    }
    std::string error;
    const std::optional<Level> built = buildLevel(design, error);
    if (!built || !saveLevel(*built, SaveLayout::Design, Completion::Finished, scratch).ok()) {
        return false;
    }
    auto read = loadLevel(scratch);
    if (!read.ok()) {
        return false;
    }
    const DesignedLevel level{read.value().level, placedPieces(*built)};
    const LevelCheck check = checkLevel(*built, level.start, FirstMasterLevel);
    if (!check.failure.empty() || !passesQuickMeasures(level)) {
        return false;
    }
    LevelReport report;
    measureLevel(report, level, {SeriesRules::Master, 0});
    if (!report.failure.empty()) {
        return false;
    }
    std::printf("// pieces %d, false leads %d, difficulty %d, states %ld, trick %08x\n// %s\n",
                report.difficulty.pieces, report.difficulty.falseLeads, report.difficulty.score(),
                check.states, trickHash(report.trick), countsText(report.counts).c_str());
    for (const std::string& row : rows) {
        std::printf("\"%s\",\n", row.c_str());
    }
    std::fflush(stdout);
    return true;
}

} // namespace
} // namespace prismora

int main(int argc, char** argv)
{
    using namespace prismora;
    const auto number = [](const char* text) {
        return static_cast<int>(std::strtol(text, nullptr, 10));
    };
    if (argc < 4 || argc > 7 || number(argv[2]) < 1 || number(argv[3]) < 1 ||
        number(argv[3]) > MaxSearchDepth) {
        std::cerr << "usage: levelgen SEED COUNT PIECES [KINDS [CANNONS [FLAGS]]]\n";
        return 2;
    }
    Random random(static_cast<std::uint64_t>(number(argv[1])));
    const int wanted = number(argv[2]);
    // "MMMM+XI": draw from M, and always plant an X and an I too.
    const std::string letters = argc > 4 ? argv[4] : "MMDXTUIY";
    const std::string drawn = letters.substr(0, letters.find('+'));
    const std::string kinds = drawn.empty() ? "M" : drawn;
    const std::string required =
        letters.find('+') == std::string::npos ? "" : letters.substr(letters.find('+') + 1);
    const auto kindsOf = [](const std::string& tokens) {
        std::vector<PieceKind> found;
        for (const char letter : tokens) {
            found.push_back(placeableKindOf(letter).value_or(PieceKind::Mirror));
        }
        return found;
    };
    PlantingRecipe recipe;
    recipe.pieces = number(argv[3]);
    recipe.kinds = kindsOf(kinds);
    recipe.required = kindsOf(required);
    recipe.cannons = argc > 5 ? number(argv[5]) : 3;
    const std::string flags = argc > 6 ? argv[6] : "";
    recipe.oneWay = flags.find('O') != std::string::npos;
    recipe.whiteLamp = flags.find('W') != std::string::npos;
    const std::filesystem::path scratch =
        std::filesystem::temp_directory_path() / ("levelgen-" + std::string(argv[1]) + ".prl");
    int plantedCount = 0;
    int uniqueCount = 0;
    for (int made = 0, tries = 0; made < wanted && tries < 100000; ++tries) {
        std::optional<Planted> planted = plant(random, recipe);
        plantedCount += planted ? 1 : 0;
        if (planted) {
            planted = makeUnique(*planted, random);
        }
        if (planted) {
            planted = withoutDecoration(*planted, random, UniquenessBudget{}.states);
        }
        uniqueCount += planted ? 1 : 0;
        if (planted && offer(rowsOf(solvedLevel(*planted)), scratch)) {
            ++made;
        }
        if (tries % 50 == 49) {
            std::cerr << tries + 1 << " tried, " << plantedCount << " planted, " << uniqueCount
                      << " made unique, " << made << " passed\n";
        }
    }
    std::filesystem::remove(scratch);
    return 0;
}
