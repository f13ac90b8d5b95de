// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Trimming a planted level to what its answer needs, and asking every measure of it.
#include "core/level_generator_accept.h"

#include "core/difficulty.h"
#include "core/level_file.h"
#include "core/piece_kind.h"
#include "core/safe_path.h"

#include <algorithm>

namespace prismora {
namespace {

bool isCancelled(const std::atomic<bool>* cancel) { return cancel && cancel->load(); }

// The level without the element, renumbered as a file would load it.
Level without(const Level& start, const MeasureElement& element)
{
    Level trimmed = start;
    const auto found =
        std::find_if(trimmed.pieces.begin(), trimmed.pieces.end(), [&](const Piece& p) {
            return !p.removed && p.kind == element.kind && p.column == element.column &&
                   p.row == element.row;
        });
    if (found != trimmed.pieces.end()) {
        found->removed = true;
    }
    return levelAsSaved(trimmed, SaveLayout::Position);
}

// One pass that takes away each element the answer does not need: the
// solution still solves the level without it and is still the only one.
// Cheaper than asking the measure after every removal, which would count
// again for every element before the one it names.
bool removeUnneeded(DesignedLevel& level, long maxStates, const std::atomic<bool>* cancel)
{
    for (std::size_t i = level.start.pieces.size(); i-- > 0;) {
        const Piece piece = level.start.pieces[i];
        if (!isFixedElement(piece.kind)) {
            continue;
        }
        const Level trimmed = without(level.start, {piece.kind, piece.column, piece.row});
        if (!solvesLevel(trimmed, level.solution)) {
            continue;
        }
        const CountResult count =
            countSolutions(trimmed, 2, {.maxStates = maxStates, .cancel = cancel});
        if (!count.isExact) {
            return false;
        }
        if (count.solutions == 1) {
            level.start = trimmed;
        }
    }
    return true;
}

// Removes decoration until the measure holds; false when it cannot tell, or
// fails with nothing to remove (more than one solution).
bool trimDecoration(DesignedLevel& level, long maxStates, const std::atomic<bool>* cancel)
{
    if (!removeUnneeded(level, maxStates, cancel)) {
        return false;
    }
    for (int round = 0; round < MostMasterFixedElements; ++round) {
        if (isCancelled(cancel)) {
            return false;
        }
        const Measure minimal = measureMinimal(level, maxStates);
        if (minimal.holds()) {
            return true;
        }
        if (minimal.state == MeasureState::Undecided || !minimal.element) {
            return false;
        }
        level.start = without(level.start, *minimal.element);
    }
    return false;
}

// The measures that need no count, first: most refused levels fail one.
bool meetsCheapMeasures(const DesignedLevel& level)
{
    return measureDarkStart(level.start, 0).holds() && measureSafePath(level).holds() &&
           measurePurposefulBombs(level).holds();
}

bool meetsEveryMeasure(const DesignedLevel& level, long maxStates, const std::atomic<bool>* cancel)
{
    if (!meetsCheapMeasures(level) || !measureRestraint(level.start).holds() ||
        isCancelled(cancel)) {
        return false;
    }
    return measureUnique(level.start, maxStates).holds();
}

} // namespace

Acceptance acceptPlanted(const Planted& planted, long maxStates, const std::atomic<bool>* cancel)
{
    DesignedLevel level{levelAsSaved(planted.puzzle, SaveLayout::Position), planted.solution};
    level.start.name = planted.puzzle.name;
    // Taking elements away may spoil a cheap measure, never mend one that fails
    // for a lamp lit or a safe path missing on most draws: try them first.
    if (!meetsCheapMeasures(level)) {
        return {AcceptState::Refused, std::nullopt};
    }
    const bool isTrimmed = trimDecoration(level, maxStates, cancel);
    if (isCancelled(cancel)) {
        return {AcceptState::Cancelled, std::nullopt};
    }
    if (!isTrimmed || !meetsEveryMeasure(level, maxStates, cancel)) {
        return {isCancelled(cancel) ? AcceptState::Cancelled : AcceptState::Refused, std::nullopt};
    }
    const std::optional<std::vector<Placement>> order = safeOrder(level.start, level.solution);
    if (!order) {
        return {AcceptState::Refused, std::nullopt};
    }
    level.solution = *order;
    const Difficulty difficulty = measureDifficulty(level.start, level.solution, true);
    return {AcceptState::Accepted, Accepted{level, difficulty.score()}};
}

} // namespace prismora
