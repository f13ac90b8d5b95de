// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The workbench's analysis: one count of solutions, then what follows from it, stage by stage.
#include "core/level_analysis.h"

#include "base/first_success.h"
#include "core/difficulty.h"
#include "core/evaluation.h"
#include "core/nearby_solutions.h"
#include "core/safe_path.h"

#include <algorithm>
#include <map>

namespace prismora {
namespace {

bool isCancelled(const AnalysisLimits& limits)
{
    return limits.cancel != nullptr && limits.cancel->load();
}

DesignedLevel designedOrLoaded(const Level& levelOrDesign)
{
    if (levelOrDesign.mode == Mode::Edit) {
        return designedLevelOf(levelOrDesign);
    }
    DesignedLevel level;
    level.start = levelOrDesign;
    return level;
}

// When every solution was counted, the smallest of them is the fewest
// pieces: a solution with a piece no beam crosses is counted without it.
// Otherwise only fewer pieces than the smallest found need searching.
FewestPieces fewestOf(const Level& start, const CountResult& count, bool isWhole,
                      const SolveLimits& limits)
{
    int smallest = -1;
    for (const std::vector<Placement>& found : count.found) {
        const int pieces = static_cast<int>(found.size());
        smallest = smallest < 0 ? pieces : std::min(smallest, pieces);
    }
    if (isWhole) {
        return {.pieces = smallest};
    }
    return fewestPieces(start, limits, smallest);
}

// The count reached its limit: more solutions may exist, so it is not the
// whole count even though the search itself did not fail.
bool isWholeCount(const CountResult& count, int limit)
{
    return count.isExact && count.solutions < limit;
}

// The count the analysis shows (see analyseLevel).
CountResult countForAnalysis(const Level& start, int limit, const SolveLimits& limits,
                             long quickStates)
{
    const bool isQuickShorter = limits.maxStates <= 0 || limits.maxStates > quickStates;
    SolveLimits quick = limits;
    quick.maxStates = isQuickShorter ? quickStates : limits.maxStates;
    CountResult count = countSolutions(start, limit, quick);
    if (count.reason != GiveUpReason::StateBudget) {
        return count;
    }
    long states = count.states;
    if (!count.found.empty()) {
        NearbySolutions nearby =
            nearbySolutions(start, count.found, limit - count.solutions, {.cancel = limits.cancel});
        states += nearby.states;
        if (count.solutions + static_cast<int>(nearby.found.size()) >= limit) {
            for (std::vector<Placement>& found : nearby.found) {
                count.found.push_back(std::move(found));
            }
            count.found.resize(static_cast<std::size_t>(limit));
            count.solutions = limit;
            count.isExact = true;
            count.reason = GiveUpReason::None;
            count.states = states;
            return count;
        }
    }
    if (!isQuickShorter) {
        count.states = states;
        return count;
    }
    CountResult whole = countSolutions(start, limit, limits);
    whole.states += states;
    return whole;
}

void measureAll(const DesignedLevel& level, const CountResult& count, const AnalysisLimits& limits,
                LevelAnalysis& analysis)
{
    const MeasureLimits measureLimits{.maxStates = limits.maxStates,
                                      .cancel = limits.cancel,
                                      .count = &count,
                                      .threads = searchThreads(),
                                      .looksNearby = true};
    for (const LevelMeasure& measure : levelMeasures()) {
        if (isCancelled(limits)) {
            analysis.isCancelled = true;
            return;
        }
        Measure result = measure.run(level, LevelRules{}, measureLimits);
        analysis.states += result.states;
        analysis.measures.push_back({measure.key, measure.title, std::move(result)});
    }
}

} // namespace

Level startPositionOf(const Level& levelOrDesign) { return designedOrLoaded(levelOrDesign).start; }

bool isBombAtStart(const Level& levelOrDesign)
{
    Level start = startPositionOf(levelOrDesign);
    start.mode = Mode::Play;
    return evaluate(start).bombHit;
}

LevelAnalysis analyseLevel(const Level& levelOrDesign, const AnalysisLimits& limits)
{
    LevelAnalysis analysis;
    DesignedLevel level = designedOrLoaded(levelOrDesign);
    analysis.isBombAtStart = isBombAtStart(levelOrDesign);
    const SolveLimits searchLimits{.maxStates = limits.maxStates, .cancel = limits.cancel};
    // At least two, so that the measures can take their count from this one.
    const int countLimit = std::max(2, limits.countLimit);
    const CountResult count =
        countForAnalysis(level.start, countLimit, searchLimits, limits.quickStates);
    analysis.states += count.states;
    if (count.reason == GiveUpReason::Cancelled || isCancelled(limits)) {
        analysis.isCancelled = true;
        return analysis;
    }
    analysis.solutions = count.solutions;
    analysis.isExhaustive = isWholeCount(count, countLimit);
    for (std::size_t i = 0; i < std::min<std::size_t>(2, count.found.size()); ++i) {
        analysis.shownSolutions.push_back(count.found[i]);
    }
    // A level from a file, or a design still being built: the solver's first
    // solution stands in for the designer's.
    if (!count.found.empty() && !solvesLevel(level.start, level.solution)) {
        level.solution = count.found.front();
    }
    const FewestPieces fewest = fewestOf(level.start, count, analysis.isExhaustive, searchLimits);
    analysis.states += fewest.states;
    if (fewest.isDecided && fewest.pieces >= 0) {
        analysis.fewestPieces = fewest.pieces;
    }
    if (isCancelled(limits)) {
        analysis.isCancelled = true;
        return analysis;
    }
    if (count.solutions > 0 && solvesLevel(level.start, level.solution)) {
        const std::vector<Placement> order =
            safeOrder(level.start, level.solution).value_or(level.solution);
        const bool isUnique = analysis.isExhaustive && count.solutions == 1;
        analysis.difficulty = measureDifficulty(level.start, order, isUnique, limits.maxStates,
                                                limits.cancel, count.found)
                                  .score();
    }
    measureAll(level, count, limits, analysis);
    return analysis;
}

std::vector<std::pair<std::int32_t, std::int32_t>>
cellsWhereSolutionsDiffer(const std::vector<Placement>& first, const std::vector<Placement>& second)
{
    using CellPair = std::pair<std::int32_t, std::int32_t>;
    std::map<CellPair, std::pair<const Placement*, const Placement*>> cells;
    for (const Placement& p : first) {
        cells[{p.column, p.row}].first = &p;
    }
    for (const Placement& p : second) {
        cells[{p.column, p.row}].second = &p;
    }
    std::vector<CellPair> differing;
    for (const auto& [cell, pair] : cells) {
        const auto [a, b] = pair;
        const bool isSame = a != nullptr && b != nullptr && a->kind == b->kind &&
                            directionsActAlike(a->kind, a->direction, b->direction);
        if (!isSame) {
            differing.push_back(cell);
        }
    }
    return differing;
}

} // namespace prismora
