// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The measures that count solutions or elements: unique, minimal, dark start, restraint.
#include "core/level_measures.h"

#include "base/first_success.h"
#include "core/evaluation.h"
#include "core/measure_sentences.h"
#include "core/nearby_solutions.h"
#include "core/palette.h"
#include "core/solver_checks.h"

#include <algorithm>
#include <array>

namespace prismora {
namespace {

MeasureElement elementOf(const Piece& piece) { return {piece.kind, piece.column, piece.row}; }

bool agrees(const Placement& first, const Placement& second)
{
    return first.kind == second.kind && first.column == second.column && first.row == second.row &&
           directionsActAlike(first.kind, first.direction, second.direction);
}

// A piece of `other` that `mine` does not hold (acting alike in its cell).
std::optional<MeasureElement> pieceNotIn(const std::vector<Placement>& mine,
                                         const std::vector<Placement>& other)
{
    for (const Placement& p : other) {
        if (std::none_of(mine.begin(), mine.end(),
                         [&](const Placement& m) { return agrees(m, p); })) {
            return MeasureElement{p.kind, p.column, p.row};
        }
    }
    return std::nullopt;
}

SolveLimits searchLimits(const MeasureLimits& limits)
{
    return {.maxStates = limits.maxStates, .cancel = limits.cancel};
}

// Whether the level without one element still has the designer's solution
// as its only one.
MeasureState decorationState(const DesignedLevel& level, std::size_t piece,
                             const MeasureLimits& limits, long& states)
{
    Level without = level.start;
    without.pieces[piece].removed = true;
    if (!solvesLevel(without, level.solution)) {
        return MeasureState::Holds;
    }
    if (limits.looksNearby) {
        const NearbySolutions nearby =
            nearbySolutions(without, {level.solution}, 1, {.cancel = limits.cancel});
        states += nearby.states;
        if (!nearby.found.empty()) {
            return MeasureState::Holds;
        }
    }
    const CountResult count = countSolutions(without, 2, searchLimits(limits));
    states += count.states;
    if (!count.isExact) {
        return MeasureState::Undecided;
    }
    return count.solutions >= 2 ? MeasureState::Holds : MeasureState::Fails;
}

// The level's own count: the one the caller made, or a new one (its states
// added to `states`).
CountResult levelCount(const Level& start, const MeasureLimits& limits, long& states)
{
    if (limits.count != nullptr) {
        return *limits.count;
    }
    CountResult count = countSolutions(start, 2, searchLimits(limits));
    states += count.states;
    return count;
}

} // namespace

bool isFixedElement(PieceKind kind)
{
    return isLampKind(kind) || kind == PieceKind::Bomb || kind == PieceKind::Obstacle ||
           kind == PieceKind::OneWay;
}

DesignedLevel designedLevelOf(const Level& design)
{
    DesignedLevel level;
    level.start.name = design.name;
    level.start.mode = Mode::Play;
    level.start.palette.assign(PlayRowCount, 0);
    for (const Piece& piece : design.pieces) {
        if (piece.removed) {
            continue;
        }
        if (isPlaceableKind(piece.kind)) {
            level.solution.push_back({piece.kind, piece.column, piece.row, piece.direction});
            changePaletteCount(level.start, rowOfKind(piece.kind).value_or(-1), +1);
        } else {
            appendPiece(level.start, piece.kind, piece.column, piece.row, piece.direction);
        }
    }
    for (const BeamSource& source : design.sources) {
        if (source.isCannon() && !source.removed) {
            appendCannon(level.start, source.column, source.row, source.direction, source.colour);
        }
    }
    return level;
}

Measure measureUnique(const Level& start, const MeasureLimits& limits)
{
    long states = 0;
    const CountResult count = levelCount(start, limits, states);
    // A count that found two is decided, whatever it would have found later.
    if (!count.isExact && count.solutions < 2) {
        return undecidedMeasure(states);
    }
    if (count.solutions == 0) {
        return failingSaying(std::nullopt, sentence::NoSolution, states);
    }
    if (count.solutions == 1) {
        return holdingSaying(sentence::OneSolution, states);
    }
    const std::optional<MeasureElement> other = pieceNotIn(count.found[0], count.found[1]);
    return failingSaying(other, other ? sentence::MoreSolutionsWith : sentence::MoreSolutions,
                         states);
}

// A level that already has a second solution fails at once, naming no
// element: no element is to blame for that. Only a level with one solution
// has its elements taken away one at a time.
Measure measureMinimal(const DesignedLevel& level, const MeasureLimits& limits)
{
    long states = 0;
    const CountResult count = levelCount(level.start, limits, states);
    if (count.solutions > 1) {
        return failingSaying(std::nullopt, sentence::AlreadyMoreSolutions, states);
    }
    std::vector<std::size_t> elements;
    for (std::size_t i = 0; i < level.start.pieces.size(); ++i) {
        const Piece& piece = level.start.pieces[i];
        if (!piece.removed && isFixedElement(piece.kind)) {
            elements.push_back(i);
        }
    }
    // Each element's check is written by the one thread that makes it; only
    // the checks up to the first decoration are read, and they all ran.
    struct Check {
        MeasureState state = MeasureState::Undecided;
        long states = 0;
    };
    std::vector<Check> checks(elements.size());
    const std::optional<std::size_t> decoration = firstSuccess(
        static_cast<int>(elements.size()), limits.threads,
        [&](int k) -> std::optional<std::size_t> {
            Check& check = checks[static_cast<std::size_t>(k)];
            check.state =
                decorationState(level, elements[static_cast<std::size_t>(k)], limits, check.states);
            return check.state == MeasureState::Fails ? std::optional(static_cast<std::size_t>(k))
                                                      : std::nullopt;
        },
        limits.cancel);
    const std::size_t checked = decoration ? *decoration + 1 : elements.size();
    bool isOpen = !count.isExact || (limits.cancel && limits.cancel->load());
    for (std::size_t k = 0; k < checked; ++k) {
        states += checks[k].states;
        isOpen = isOpen || checks[k].state == MeasureState::Undecided;
    }
    if (decoration) {
        const MeasureElement element = elementOf(level.start.pieces[elements[*decoration]]);
        return failingSaying(element, sentence::NotNeeded, states);
    }
    if (isOpen) {
        return undecidedMeasure(states);
    }
    return holdingSaying(sentence::EveryElementNeeded, states);
}

Measure measureDarkStart(const Level& start, int allowedLit)
{
    Level playing = start;
    playing.mode = Mode::Play;
    const Evaluation evaluation = evaluate(playing);
    int lit = 0;
    for (std::size_t i = 0; i < start.pieces.size(); ++i) {
        const Piece& piece = start.pieces[i];
        if (!piece.removed && isLampKind(piece.kind) && evaluation.pieces[i].lit &&
            ++lit > allowedLit) {
            return failingSaying(elementOf(piece), sentence::LitAtLoad);
        }
    }
    return holdingSaying(lit == 0 ? sentence::NoLampLit : sentence::OneLampLit);
}

Measure measureRestraint(const Level& start)
{
    int bombs = 0;
    int fixed = 0;
    for (const Piece& piece : start.pieces) {
        if (piece.removed || !isFixedElement(piece.kind)) {
            continue;
        }
        if (piece.kind == PieceKind::Bomb && ++bombs > MostMasterBombs) {
            return failingSaying(elementOf(piece), sentence::TooManyBombs);
        }
        if (++fixed > MostMasterFixedElements) {
            return failingSaying(elementOf(piece), sentence::TooManyElements);
        }
    }
    return holdingSaying(sentence::Restrained);
}

ElementCounts countElements(const Level& start)
{
    ElementCounts counts;
    for (const Piece& piece : start.pieces) {
        if (piece.removed) {
            continue;
        }
        counts.lamps += isLampKind(piece.kind) ? 1 : 0;
        counts.bombs += piece.kind == PieceKind::Bomb ? 1 : 0;
        counts.obstacles += piece.kind == PieceKind::Obstacle ? 1 : 0;
        counts.oneWays += piece.kind == PieceKind::OneWay ? 1 : 0;
    }
    for (const BeamSource& source : start.sources) {
        counts.cannons += source.isCannon() && !source.removed ? 1 : 0;
    }
    for (int row = 0; row < PlayRowCount; ++row) {
        counts.pieces += paletteCount(start, row);
    }
    return counts;
}

namespace {

const std::array<LevelMeasure, 6> Measures{{
    {"unique", QT_TRANSLATE_NOOP("prismora::CoreText", "Exakt en lösning"),
     [](const DesignedLevel& level, const LevelRules&, const MeasureLimits& limits) {
         return measureUnique(level.start, limits);
     }},
    {"minimal", QT_TRANSLATE_NOOP("prismora::CoreText", "Inget är pynt"),
     [](const DesignedLevel& level, const LevelRules&, const MeasureLimits& limits) {
         return measureMinimal(level, limits);
     }},
    {"purposeful_bombs", QT_TRANSLATE_NOOP("prismora::CoreText", "Varje bomb har en uppgift"),
     [](const DesignedLevel& level, const LevelRules&, const MeasureLimits&) {
         return measurePurposefulBombs(level);
     }},
    {"dark_start", QT_TRANSLATE_NOOP("prismora::CoreText", "Mörkt från början"),
     [](const DesignedLevel& level, const LevelRules& rules, const MeasureLimits&) {
         return measureDarkStart(level.start, rules.allowedLitLamps);
     }},
    {"safe_path", QT_TRANSLATE_NOOP("prismora::CoreText", "En säker väg"),
     [](const DesignedLevel& level, const LevelRules&, const MeasureLimits&) {
         return measureSafePath(level);
     }},
    {"restraint", QT_TRANSLATE_NOOP("prismora::CoreText", "Återhållsam"),
     [](const DesignedLevel& level, const LevelRules&, const MeasureLimits&) {
         return measureRestraint(level.start);
     }},
}};

} // namespace

bool LevelMeasure::isRequiredIn(SeriesRules series) const
{
    return series == SeriesRules::Master || key == "purposeful_bombs" || key == "dark_start" ||
           key == "safe_path";
}

std::span<const LevelMeasure> levelMeasures() { return Measures; }

std::string_view describe(MeasureState state)
{
    switch (state) {
    case MeasureState::Holds:
        return "holds";
    case MeasureState::Fails:
        return "fails";
    case MeasureState::Undecided:
        return "undecided";
    }
    return "unknown";
}

} // namespace prismora
