// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Measuring one level for the level tool, and the lines it prints about it.
#include "level_report.h"

#include "core/safe_path.h"

#include <chrono>
#include <cstdio>

namespace prismora {
namespace {

using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// The difficulty and the fewest pieces are measured with the same budget as
// the measures.
constexpr long ReportStates = MeasureStates;

void noteFailure(LevelReport& report, const MeasureRun& run)
{
    if (report.failure.empty() && run.isRequired && !run.measure.holds()) {
        report.failure = std::string(run.key) + ": " + run.measure.text;
    }
}

} // namespace

void measureLevel(LevelReport& report, const DesignedLevel& level, const LevelRules& rules)
{
    const Clock::time_point whole = Clock::now();
    report.counts = countElements(level.start);
    for (const LevelMeasure& measure : levelMeasures()) {
        const Clock::time_point start = Clock::now();
        MeasureRun run{measure.key, measure.run(level, rules), measure.isRequiredIn(rules.series)};
        run.milliseconds = millisecondsSince(start);
        noteFailure(report, run);
        report.measures.push_back(std::move(run));
    }
    report.safePath = safeOrder(level.start, level.solution).value_or(std::vector<Placement>{});
    report.trick = report.safePath.empty() ? Trick{} : trickOf(level.start, report.safePath);
    const bool isUnique = report.measures.front().measure.holds();
    report.difficulty =
        measureDifficulty(level.start, report.safePath.empty() ? level.solution : report.safePath,
                          isUnique, ReportStates);
    report.fewest = fewestPieces(level.start, ReportStates);
    report.milliseconds = millisecondsSince(whole);
}

void addVariety(LevelReport& report, const std::vector<Trick>& series, std::size_t index,
                const LevelRules& rules, int firstNumber)
{
    const VarietyRule rule =
        rules.series == SeriesRules::Master ? VarietyRule::Strict : VarietyRule::SmallTricksReturn;
    MeasureRun run{"variety", measureVariety(series, index, rule, firstNumber), true};
    noteFailure(report, run);
    report.measures.push_back(std::move(run));
}

std::string measuresLine(const LevelReport& report)
{
    std::string line;
    for (const MeasureRun& run : report.measures) {
        const char* state = run.measure.holds()                            ? "ok"
                            : run.measure.state == MeasureState::Undecided ? "??"
                            : run.isRequired                               ? "FAIL"
                                                                           : "no";
        line += (line.empty() ? "" : " ") + std::string(run.key) + "=" + state;
    }
    return line;
}

std::string measureProblems(const LevelReport& report)
{
    std::string lines;
    for (const MeasureRun& run : report.measures) {
        if (!run.measure.holds()) {
            lines += "      " + std::string(run.key) + ": " + run.measure.text +
                     (run.isRequired ? "" : " (not required here)") + "\n";
        }
    }
    return lines;
}

std::string timesLine(const LevelReport& report)
{
    std::string line = "      ms:";
    char part[64];
    for (const MeasureRun& run : report.measures) {
        if (run.key != "variety") {
            std::snprintf(part, sizeof part, " %s %.0f (%ld states)", std::string(run.key).c_str(),
                          run.milliseconds, run.measure.states);
            line += part;
        }
    }
    std::snprintf(part, sizeof part, "; all %.0f", report.milliseconds);
    return line + part;
}

std::string countsText(const ElementCounts& counts)
{
    char text[96];
    std::snprintf(text, sizeof text,
                  "lamps %d bombs %d obstacles %d one-way %d = %2d fixed, %d cannons", counts.lamps,
                  counts.bombs, counts.obstacles, counts.oneWays, counts.fixed(), counts.cannons);
    return text;
}

} // namespace prismora
