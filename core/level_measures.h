// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Measures of a good level: each holds or fails, and a failure names the element at fault.
#pragma once

#include "core/local_text.h"
#include "core/solver.h"

#include <atomic>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace prismora {

enum class MeasureState {
    Holds,
    Fails,
    Undecided, // a search ran out of states before it could tell
};

// A piece, lamp, bomb or other element on the board, by its kind and cell.
struct MeasureElement {
    PieceKind kind = PieceKind::EmptyCell;
    std::int32_t column = 0;
    std::int32_t row = 0;

    bool operator==(const MeasureElement&) const = default;
};

struct Measure {
    MeasureState state = MeasureState::Holds;
    // What is at fault when the measure fails (nothing when no one element is).
    std::optional<MeasureElement> element{};
    // A short Swedish sentence for the designer, whatever the state.
    std::string text;
    // The solver's work the measure took (0 for those that need no search).
    long states = 0;
    // `text` as the interface says it in any language (empty for a measure
    // that has only its Swedish text).
    LocalText said{};

    bool holds() const { return state == MeasureState::Holds; }
};

// A level as the player meets it (`start`: fixed pieces, cannons, the
// pieces to place in the hand) and the designer's solution.
struct DesignedLevel {
    Level start;
    std::vector<Placement> solution;
};

// A design with its solution standing on the board (as the editor holds it
// or a level file stores it): the placeable pieces go to a play hand, in
// index order, as the solution.
DesignedLevel designedLevelOf(const Level& design);

// States each search of a measure may explore before it is Undecided.
inline constexpr long MeasureStates = 20'000'000;

// What the searches of a measure may spend, and what a caller already knows.
struct MeasureLimits {
    long maxStates = MeasureStates;
    // When it turns true the searches give up and the measure is Undecided.
    const std::atomic<bool>* cancel = nullptr;
    // The level's own solutions, counted with a limit of at least 2 and
    // `maxStates`: a measure that needs them takes them from here instead of
    // counting again (the answer is the same).
    const CountResult* count = nullptr;
    // Threads a measure may search on at once (minimal tries its elements on
    // them); the answer and the states are the same for any number.
    int threads = 1;
    // Minimal first looks for a second solution close to the designer's
    // (nearbySolutions) before it counts the level without an element: the
    // same answer where the count decides, in far fewer states, and an answer
    // where the count would run out of them. Off where the answer and the
    // states must stay those of the count alone (the generator's levels).
    bool looksNearby = false;
};

// Unique: an exhaustive count over every placement the game allows (cells
// holding a cannon included) finds exactly one solution. Fails with a piece
// of a second solution that the first does not have.
Measure measureUnique(const Level& start, const MeasureLimits& limits);
inline Measure measureUnique(const Level& start, long maxStates = MeasureStates)
{
    return measureUnique(start, MeasureLimits{.maxStates = maxStates});
}

// Minimal: removing any one lamp, bomb, obstacle or one-way piece changes the
// answer: the designer's solution no longer solves the level, or it then has
// more than one solution. Fails with the first element that is decoration;
// a level that already has more than one solution fails with none named.
Measure measureMinimal(const DesignedLevel& level, const MeasureLimits& limits);
inline Measure measureMinimal(const DesignedLevel& level, long maxStates = MeasureStates)
{
    return measureMinimal(level, MeasureLimits{.maxStates = maxStates});
}

// Purposeful bombs: every bomb is hit by some placement a player could try,
// a piece from the hand on a cell a beam crosses (a cannon's cell included)
// turned any way, from the start or from a step of the safe path (from the
// start alone when there is none). Fails with the first bomb none hits.
Measure measurePurposefulBombs(const DesignedLevel& level);

// Dark start: at most `allowedLit` lamps are lit when the level loads (0 for
// every master level). Fails with the first lamp lit beyond that.
Measure measureDarkStart(const Level& start, int allowedLit = 0);

// Safe path: some order of the solution's pieces, each taken from the hand
// and dropped in its final direction, sets off no bomb at any step (see
// safeOrder). Fails with the bomb the solution's own order sets off first.
Measure measureSafePath(const DesignedLevel& level);

// Restraint of a master level: at most MostMasterBombs bombs and at most
// MostMasterFixedElements lamps, bombs, obstacles and one-way pieces.
inline constexpr int MostMasterBombs = 3;
inline constexpr int MostMasterFixedElements = 14;
Measure measureRestraint(const Level& start);

// Which rules a level is held to: a master level to every measure, a level
// of the first series to purposeful bombs, dark start (with the lit lamps a
// lesson needs) and a safe path.
enum class SeriesRules { Basic, Master };

struct LevelRules {
    SeriesRules series = SeriesRules::Master;
    int allowedLitLamps = 0;
};

// One measure as the level tool and the designer's workbench run it.
struct LevelMeasure {
    std::string_view key;   // "unique", "minimal", ... (as JSON and the tool name it)
    std::string_view title; // Swedish, marked for translation (context "prismora::CoreText")
    Measure (*measure)(const DesignedLevel& level, const LevelRules& rules,
                       const MeasureLimits& limits);

    Measure run(const DesignedLevel& level, const LevelRules& rules,
                const MeasureLimits& limits = {}) const
    {
        return measure(level, rules, limits);
    }
    bool isRequiredIn(SeriesRules series) const;
};

// Every measure of one level, in the order they are shown (variety, which
// compares levels, is measureVariety in level_trick.h).
std::span<const LevelMeasure> levelMeasures();

// Lamps, bombs, obstacles and one-way pieces: what restraint counts and
// minimal takes away one at a time.
bool isFixedElement(PieceKind kind);

// The fixed elements of a level, as the level tool prints them.
struct ElementCounts {
    int lamps = 0;
    int bombs = 0;
    int obstacles = 0;
    int oneWays = 0;
    int cannons = 0;
    int pieces = 0; // in the hand

    int fixed() const { return lamps + bombs + obstacles + oneWays; }
};
ElementCounts countElements(const Level& start);

// The measure's state as a word for a table ("holds", "fails", "undecided").
std::string_view describe(MeasureState state);

} // namespace prismora
