// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Every measure of one level, with the time each took, and how the level tool prints them.
#pragma once

#include "core/difficulty.h"
#include "core/level_measures.h"
#include "core/level_trick.h"

#include <string>
#include <vector>

namespace prismora {

struct MeasureRun {
    std::string_view key;
    Measure measure;
    bool isRequired = false;
    double milliseconds = 0; // printed only: no answer depends on it
};

struct LevelReport {
    std::string failure;         // the first check or required measure that fails; empty when none
    bool isCheckFailure = false; // the failure is one of checkLevel's, not a measure's
    std::string palette;         // "2 Spegel, 1 Kryss"
    long states = 0;             // the solver's work to solve the level as loaded
    ElementCounts counts;
    std::vector<MeasureRun> measures; // levelMeasures() in order, then variety
    std::vector<Placement> safePath;  // empty when there is none
    Trick trick;
    Difficulty difficulty;
    FewestPieces fewest;
    double milliseconds = 0; // the whole report
};

// Runs every measure of levelMeasures() on the level and fills the report
// (all but variety, which needs the series: see addVariety).
void measureLevel(LevelReport& report, const DesignedLevel& level, const LevelRules& rules);

// Adds the variety measure of level `index` of its series.
void addVariety(LevelReport& report, const std::vector<Trick>& series, std::size_t index,
                const LevelRules& rules, int firstNumber);

// The measures as the tool prints them: "unique ok, minimal FAIL, ..." and
// one line for each measure that does not hold, with its text.
std::string measuresLine(const LevelReport& report);
std::string measureProblems(const LevelReport& report);
std::string timesLine(const LevelReport& report);

// "L6 B3 H1 E0 = 10 fixed, 3 cannons".
std::string countsText(const ElementCounts& counts);

} // namespace prismora
