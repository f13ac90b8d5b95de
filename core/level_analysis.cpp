// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The workbench's analysis: one count of solutions, then what follows from it, stage by stage.
#include "core/level_analysis.h"

#include "base/first_success.h"
#include "base/search_ahead.h"
#include "core/difficulty.h"
#include "core/evaluation.h"
#include "core/fewest_ahead.h"
#include "core/nearby_solutions.h"
#include "core/safe_path.h"
#include "core/solver_beam_search.h"

#include <algorithm>
#include <functional>
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

// The fewest pieces in the smallest solution counted (-1 for none).
int smallestCounted(const CountResult& count)
{
    int smallest = -1;
    for (const std::vector<Placement>& found : count.found) {
        const int pieces = static_cast<int>(found.size());
        smallest = smallest < 0 ? pieces : std::min(smallest, pieces);
    }
    return smallest;
}

// The count reached its limit: more solutions may exist, so it is not the
// whole count even though the search itself did not fail.
bool isWholeCount(const CountResult& count, int limit)
{
    return count.isExact && count.solutions < limit;
}

using SolutionKnown = std::function<void(const std::vector<Placement>&)>;

// A count that reached its limit with solutions the nearby searches found:
// `known` first, then what was found near them.
CountResult madeUpCount(std::vector<std::vector<Placement>> known, NearbySolutions nearby,
                        int limit, long states)
{
    CountResult count;
    count.found = std::move(known);
    for (std::vector<Placement>& found : nearby.found) {
        count.found.push_back(std::move(found));
    }
    count.found.resize(static_cast<std::size_t>(limit));
    count.solutions = limit;
    count.isExact = true;
    count.states = states;
    return count;
}

// The count the analysis shows, up to `limit`. Solutions come in families,
// so the neighbours of a known one are looked at before the whole tree is
// walked: those of the designer's solution, or else those of the first
// solutions the walk meets past `quickStates`. A level with many solutions
// is counted in a few thousand states; one with fewer than the limit is
// walked to the end, so its number is the walk's.
// `beforeWalkingOn` is told, with the solution standing for the designer's,
// when the walk is to go on to the end or the limit.
CountResult countForAnalysis(const DesignedLevel& level, int limit, const SolveLimits& limits,
                             long quickStates, const SolutionKnown& beforeWalkingOn)
{
    const NearbySearch search{.cancel = limits.cancel};
    long nearbyStates = 0;
    bool isDesignerKnown = false;
    if (std::optional<std::vector<Placement>> designed = asCounted(level.start, level.solution)) {
        std::vector<std::vector<Placement>> known{std::move(*designed)};
        NearbySolutions nearby = nearbySolutions(level.start, known, limit - 1, search);
        nearbyStates = nearby.states;
        if (1 + static_cast<int>(nearby.found.size()) >= limit) {
            return madeUpCount(std::move(known), std::move(nearby), limit, nearbyStates);
        }
        beforeWalkingOn(level.solution);
        isDesignerKnown = true;
    }
    SolutionWalk walk(level.start, limit, limits);
    CountResult count = walk.walkOn(isDesignerKnown ? limit : 1, quickStates);
    if (!walk.isOver()) {
        NearbySolutions nearby =
            nearbySolutions(level.start, count.found, limit - count.solutions, search);
        nearbyStates += nearby.states;
        if (count.solutions + static_cast<int>(nearby.found.size()) >= limit) {
            return madeUpCount(std::move(count.found), std::move(nearby), limit,
                               count.states + nearbyStates);
        }
        beforeWalkingOn(count.found.front());
        count = walk.walkOn(limit, 0);
    }
    count.states += nearbyStates;
    return count;
}

MeasureLimits measureLimitsOf(const AnalysisLimits& limits, const CountResult& count)
{
    return {.maxStates = limits.maxStates,
            .cancel = limits.cancel,
            .count = &count,
            .threads = searchThreads(),
            .looksNearby = true};
}

// Minimal of the level as it would be were `solution` its only solution.
Measure minimalIfUnique(const Level& start, const std::vector<Placement>& solution,
                        const AnalysisLimits& limits, const std::atomic<bool>& stop)
{
    CountResult unique;
    unique.solutions = 1;
    unique.isExact = true;
    unique.found = {solution};
    MeasureLimits measureLimits = measureLimitsOf(limits, unique);
    measureLimits.cancel = &stop;
    return measureMinimal({start, solution}, measureLimits);
}

void measureAll(const DesignedLevel& level, const CountResult& count, const AnalysisLimits& limits,
                std::optional<Measure> minimal, LevelAnalysis& analysis)
{
    const MeasureLimits measureLimits = measureLimitsOf(limits, count);
    for (const LevelMeasure& measure : levelMeasures()) {
        if (isCancelled(limits)) {
            analysis.isCancelled = true;
            return;
        }
        Measure result = measure.key == "minimal" && minimal
                             ? std::move(*minimal)
                             : measure.run(level, LevelRules{}, measureLimits);
        analysis.states += result.states;
        analysis.measures.push_back({measure.key, measure.title, std::move(result)});
    }
}

} // namespace

Level startPositionOf(const Level& levelOrDesign) { return designedOrLoaded(levelOrDesign).start; }

namespace {

Evaluation evaluatedInPlay(Level start)
{
    start.mode = Mode::Play;
    return evaluate(start);
}

} // namespace

bool isBombAtStart(const Level& levelOrDesign)
{
    return evaluatedInPlay(startPositionOf(levelOrDesign)).bombHit;
}

LevelAnalysis analyseLevel(const Level& levelOrDesign, const AnalysisLimits& limits)
{
    LevelAnalysis analysis;
    DesignedLevel level = designedOrLoaded(levelOrDesign);
    const Evaluation atStart = evaluatedInPlay(level.start);
    analysis.isBombAtStart = atStart.bombHit;
    analysis.hasNoLamp = atStart.litLamps + atStart.unlitLamps == 0;
    const SolveLimits searchLimits{.maxStates = limits.maxStates, .cancel = limits.cancel};
    // At least two, so that the measures can take their count from this one.
    const int countLimit = std::max(2, limits.countLimit);
    // The fewest pieces are searched on the second core while the count runs on the first.
    FewestPiecesAhead fewestAhead(level.start, searchLimits);
    // So is minimal, once the count knows a solution and walks on to see
    // whether it is the only one: minimal is then asked with that solution
    // as the only one, the question the measure asks of a unique level.
    std::optional<SearchAhead<Measure>> minimalAhead;
    std::vector<Placement> minimalAheadFor;
    const auto measureMinimalAhead = [&](const std::vector<Placement>& solution) {
        minimalAheadFor = solution;
        minimalAhead.emplace([&, solution](const std::atomic<bool>& stop) {
            return minimalIfUnique(level.start, solution, limits, stop);
        });
    };
    const CountResult count =
        countForAnalysis(level, countLimit, searchLimits, limits.quickStates, measureMinimalAhead);
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
    if (count.solutions > 0 && solvesLevel(level.start, level.solution)) {
        const std::vector<Placement> order =
            safeOrder(level.start, level.solution).value_or(level.solution);
        const bool isUnique = analysis.isExhaustive && count.solutions == 1;
        analysis.difficulty = measureDifficulty(level.start, order, isUnique, limits.maxStates,
                                                limits.cancel, count.found)
                                  .score();
    }
    std::optional<Measure> minimal;
    // The measure reads of the count only whether it is exact and found more than one.
    if (minimalAhead && count.isExact && count.solutions <= 1 &&
        minimalAheadFor == level.solution) {
        minimal = minimalAhead->get(limits.cancel);
    }
    minimalAhead.reset();
    measureAll(level, count, limits, std::move(minimal), analysis);
    // When every solution was counted, the smallest of them is the fewest
    // pieces: a solution with a piece no beam crosses is counted without it.
    // Otherwise only fewer pieces than the smallest found need searching.
    const int smallest = smallestCounted(count);
    FewestPieces fewest{.pieces = smallest};
    if (analysis.isExhaustive) {
        fewestAhead.stop();
    } else {
        fewest = fewestAhead.result(smallest);
    }
    analysis.states += fewest.states;
    if (fewest.isDecided && fewest.pieces >= 0) {
        analysis.fewestPieces = fewest.pieces;
    }
    analysis.isCancelled = analysis.isCancelled || isCancelled(limits);
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
