// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Everything the designer's workbench says about a level: solutions, fewest pieces, difficulty,
// the measures of a good level, and whether the start sets off a bomb.
#pragma once

#include "core/level_measures.h"
#include "core/solver.h"

#include <atomic>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

namespace prismora {

// How far the analysis looks. Only the states change an answer; the same
// level and limits give the same analysis in every run.
struct AnalysisLimits {
    // Solutions counted before the count stops ("at least" this many); never
    // fewer than 2, as the measures take their count from this one.
    int countLimit = 10;
    // States each search may explore.
    long maxStates = 20'000'000;
    // States the count walks, once it met a solution, before it looks for
    // the rest of its limit near the solutions it met (see analyseLevel).
    long quickStates = 50'000;
    // Looked at inside every search; when it turns true the analysis stops
    // within a few states and says so (isCancelled).
    const std::atomic<bool>* cancel = nullptr;
};

struct MeasureResult {
    std::string_view key;   // as levelMeasures() names it
    std::string_view title; // Swedish
    Measure measure;
};

struct LevelAnalysis {
    // Stopped by the cancel flag: nothing else in it is meant to be shown.
    bool isCancelled = false;
    int solutions = 0;
    // False when the count stopped at its limit or ran out of states:
    // `solutions` is then a lower bound.
    bool isExhaustive = false;
    // The first two solutions found (one when there is one), each in an order
    // that solves.
    std::vector<std::vector<Placement>> shownSolutions;
    // Nothing when the level is unsolvable or the search could not decide.
    std::optional<int> fewestPieces;
    std::optional<int> difficulty;
    // The start position (cannons and fixed pieces on the board, the pieces to
    // place in the hand) already sets off a bomb.
    bool isBombAtStart = false;
    // The level holds no lamp, so there is nothing to solve yet.
    bool hasNoLamp = false;
    std::vector<MeasureResult> measures;
    long states = 0;
};

// Analyses a design in the editor (its solution standing on the board, see
// designedLevelOf) or a level as a player meets it (play mode: the pieces in
// the hand; the solver's first solution stands in for the designer's).
//
// Solutions come in families, so the count first looks around a known one
// (nearbySolutions): the designer's, or else those the walk met by the time
// it has met one and made `quickStates`; the walk then goes on where it
// paused only when they do not make up the limit. Many levels with ten
// solutions or more have most of them far into the tree but close to the
// first. A level with fewer solutions than the limit is still walked to the
// end, so the number is the walk's.
LevelAnalysis analyseLevel(const Level& levelOrDesign, const AnalysisLimits& limits = {});

// The position a player starts from: for a design its start (designedLevelOf),
// for a level in play the level itself.
Level startPositionOf(const Level& levelOrDesign);

// True when the start position sets off a bomb as it loads.
bool isBombAtStart(const Level& levelOrDesign);

// The cells where two solutions differ: a cell one of them fills and the
// other leaves empty, or fills with another kind or a turn that acts
// differently. In column, row order.
std::vector<std::pair<std::int32_t, std::int32_t>>
cellsWhereSolutionsDiffer(const std::vector<Placement>& first,
                          const std::vector<Placement>& second);

} // namespace prismora
