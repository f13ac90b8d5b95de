// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes the level series from its descriptions and checks every level on the way.
//
//   prismora_leveltool OUTDIR [--docs] [--only FIRST[-LAST]] [--awaiting LIST]
//
// For each level: builds it, saves OUTDIR/LevelNN.prl as the editor does,
// loads the file back and checks it the way a player meets it (not solved on
// loading, no bomb going off on loading or when a piece arrives from the
// palette, solvable, needing at least two pieces from the third level on,
// the designer's solution working in any placing order and as saved; four to
// seven pieces from level 31 on), then runs every measure of a good level
// (core/level_measures.h, core/level_trick.h) and prints them with the
// element counts, the false leads and difficulty (core/difficulty.h), the
// fewest pieces that solve it and the solver's work. A master level must meet
// every measure, a level of the first series purposeful bombs, dark start, a
// safe path and variety; the master levels rise in difficulty. --docs prints
// the series as a Markdown table instead; --only measures and prints only
// the levels named (the others are written and give their tricks);
// --awaiting 31-46,48 names levels known to fail some measure until they are
// made again (their measure failures are printed, not counted). Exit 1 when
// any level fails.
#include "level_checks.h"
#include "level_design.h"
#include "level_report.h"

#include "core/level_file.h"
#include "core/palette.h"
#include "core/safe_path.h"
#include "core/solver_checks.h"

#include <algorithm>

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

LevelRules rulesFor(const LevelDesign& design, int number)
{
    return number >= FirstMasterLevel ? LevelRules{SeriesRules::Master, 0}
                                      : LevelRules{SeriesRules::Basic, design.litLampsAllowed};
}

// Levels outside the range asked for are only built far enough to give
// their trick, which the variety of the others needs.
enum class Depth { Full, TrickOnly };

LevelReport writeLevel(const LevelDesign& design, int number, const std::filesystem::path& folder,
                       Depth depth)
{
    LevelReport report;
    // Until the measures run, any failure is one of building, saving or checking.
    report.isCheckFailure = true;
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
    if (depth == Depth::TrickOnly) {
        report.safePath =
            safeOrder(loaded, placedPieces(*built)).value_or(std::vector<Placement>{});
        report.trick = report.safePath.empty() ? Trick{} : trickOf(loaded, report.safePath);
        return report;
    }
    const LevelCheck check = checkLevel(*built, loaded, number);
    report.failure = check.failure;
    report.isCheckFailure = !check.failure.empty();
    report.states = check.states;
    report.palette = paletteText(loaded);
    measureLevel(report, {loaded, placedPieces(*built)}, rulesFor(design, number));
    return report;
}

// Variety compares the levels of one series with each other.
void addSeriesVariety(std::vector<LevelReport>& reports)
{
    for (const bool isMaster : {false, true}) {
        const std::size_t first = isMaster ? FirstMasterLevel - 1 : 0;
        const std::size_t end = isMaster ? reports.size() : FirstMasterLevel - 1;
        std::vector<Trick> tricks;
        for (std::size_t i = first; i < end && i < reports.size(); ++i) {
            tricks.push_back(reports[i].trick);
        }
        for (std::size_t i = first; i < end && i < reports.size(); ++i) {
            const LevelRules rules{isMaster ? SeriesRules::Master : SeriesRules::Basic, 0};
            addVariety(reports[i], tricks, i - first, rules, static_cast<int>(first) + 1);
        }
    }
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

void printLevel(const LevelDesign& design, int number, const LevelReport& report, bool docs)
{
    const ElementCounts& c = report.counts;
    if (docs) {
        std::cout << "| " << number << " | " << design.name << " | " << report.palette << " | "
                  << design.idea << " | " << c.lamps << "/" << c.bombs << "/" << c.obstacles << "/"
                  << c.oneWays << " | " << report.difficulty.falseLeads << " | "
                  << report.difficulty.score() << " | " << report.states << " |\n";
        return;
    }
    std::printf("%2d %-26s %-44s leads %3d difficulty %3d states %8ld %s\n", number,
                std::string(design.name).c_str(), report.palette.c_str(),
                report.difficulty.falseLeads, report.difficulty.score(), report.states,
                report.failure.empty()                     ? "ok"
                : report.failure.rfind("awaiting", 0) == 0 ? report.failure.c_str()
                                                           : ("FAIL: " + report.failure).c_str());
    std::printf("      %s; fewest pieces %d%s\n      %s\n%s%s\n", countsText(c).c_str(),
                report.fewest.pieces, report.fewest.isDecided ? "" : " (not decided)",
                measuresLine(report).c_str(), measureProblems(report).c_str(),
                timesLine(report).c_str());
}

struct Range {
    int first = 1;
    int last = 1'000;
    bool holds(int number) const { return number >= first && number <= last; }
};

// Levels that are known to fail some measure until they are made again:
// their measure failures are printed but not counted, while the checks of
// how a player meets them still are. One of them that meets every measure
// fails, so that the list is kept short.
struct Awaiting {
    std::vector<Range> ranges;
    bool holds(int number) const
    {
        return std::any_of(ranges.begin(), ranges.end(),
                           [&](const Range& r) { return r.holds(number); });
    }
};

// "31-46,48" into its ranges; false when it is not such a list.
bool parseAwaiting(const std::string& text, Awaiting& awaiting)
{
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find(',', start), text.size());
        Range range{0, 0};
        const std::string part = text.substr(start, end - start);
        const int read = std::sscanf(part.c_str(), "%d-%d", &range.first, &range.last);
        if (read < 1 || range.first < 1) {
            return false;
        }
        range.last = read == 2 ? std::max(range.first, range.last) : range.first;
        awaiting.ranges.push_back(range);
        start = end + 1;
    }
    return true;
}

// Whether the report counts as failing, the awaited measure failures aside.
bool countsAsFailing(LevelReport& report, int number, const Awaiting& awaiting)
{
    if (!awaiting.holds(number) || report.isCheckFailure) {
        return !report.failure.empty();
    }
    if (report.failure.empty()) {
        report.failure = "meets every measure now: take it off the levels awaiting remaking";
        return true;
    }
    report.failure = "awaiting remaking (" + report.failure + ")";
    return false;
}

int writeSeries(const std::filesystem::path& folder, bool docs, Range range,
                const Awaiting& awaiting)
{
    std::vector<LevelReport> reports;
    for (const LevelDesign& design : seriesDesigns()) {
        const int number = static_cast<int>(reports.size()) + 1;
        reports.push_back(writeLevel(design, number, folder,
                                     range.holds(number) ? Depth::Full : Depth::TrickOnly));
    }
    addSeriesVariety(reports);
    if (docs) {
        std::cout << "| Nr | Namn | Pieces | Idea | Lamps/bombs/obstacles/one-way | False leads | "
                     "Difficulty | Solver states |\n|---|---|---|---|---|---|---|---|\n";
    }
    int failures = 0;
    long total = 0;
    for (std::size_t i = 0; i < reports.size(); ++i) {
        const int number = static_cast<int>(i) + 1;
        LevelReport& report = reports[i];
        if (!range.holds(number)) {
            continue;
        }
        if (report.failure.empty() && range.holds(number - 1)) {
            report.failure = checkRise(reports, number);
        }
        total += report.states;
        failures += countsAsFailing(report, number, awaiting) ? 1 : 0;
        printLevel(seriesDesigns()[i], number, report, docs);
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
    bool docs = false;
    prismora::Range range;
    prismora::Awaiting awaiting;
    bool isUsage = argc < 2;
    for (int i = 2; i < argc && !isUsage; ++i) {
        const std::string option = argv[i];
        if (option == "--docs") {
            docs = true;
        } else if (option == "--only" && i + 1 < argc &&
                   std::sscanf(argv[++i], "%d-%d", &range.first, &range.last) >= 1) {
            range.last = std::max(range.first, range.last);
        } else if (option == "--awaiting" && i + 1 < argc) {
            isUsage = !prismora::parseAwaiting(argv[++i], awaiting);
        } else {
            isUsage = true;
        }
    }
    if (isUsage) {
        std::cerr << "usage: prismora_leveltool OUTDIR [--docs] [--only FIRST[-LAST]] [--awaiting "
                     "LIST]\n";
        return 2;
    }
    std::error_code ignored;
    std::filesystem::create_directories(argv[1], ignored);
    return prismora::writeSeries(argv[1], docs, range, awaiting);
}
