// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Safe paths: an order of placing a solution's pieces in which no step sets off a bomb.
#pragma once

#include "core/solver.h"

#include <optional>
#include <span>
#include <vector>

namespace prismora {

// True when taking a piece of `kind` from the hand of `position` (it arrives
// at column 1, row 1 facing east) and then dropping it on (column, row) in
// `direction` sets off no bomb at either moment. The drop is judged with the
// piece appended, as a player's piece is.
bool isSafeStep(const Level& position, const Placement& step);

// `position` after a step: the piece on the board, one fewer in the hand.
Level afterStep(const Level& position, const Placement& step);

// True when some live beam of `position` enters the cell: a piece dropped
// there changes what the player sees at once.
bool isCellOnBeam(const Level& position, std::int32_t column, std::int32_t row);

// Which first steps a safe order may begin with.
enum class FirstStep {
    Any,
    OfKind, // the first piece is of `firstKind` (a piece the player holds already)
};

// An order of dropping `pieces` on `position` (in play), each in its final
// direction, in which every step is safe (isSafeStep) and after which the
// position is solved. Among the safe orders the one taken prefers, at every
// step, a piece on a cell a beam already crosses, then the pieces in the
// order given; the search is exhaustive over the orders (at most
// MaxSearchDepth pieces, subsets that lead nowhere remembered). Nothing when
// no such order exists.
std::optional<std::vector<Placement>> safeOrder(const Level& position,
                                                std::span<const Placement> pieces,
                                                FirstStep first = FirstStep::Any,
                                                PieceKind firstKind = PieceKind::Mirror);

enum class SafeSolveStatus {
    Solved,     // `path` is a safe order of a solution
    OnlyUnsafe, // solutions exist, but none of those looked at has a safe order
    NoSolution, // the search was exhaustive and found none
    GaveUp,     // a budget ran out before any solution with a safe order was met
};

struct SafeSolveResult {
    SafeSolveStatus status = SafeSolveStatus::NoSolution;
    GiveUpReason reason = GiveUpReason::None;
    // Solved: the safe order. OnlyUnsafe: the solver's first solution in an
    // order that solves, though some step of it sets off a bomb.
    std::vector<Placement> path;
    long states = 0;
};

// How many solutions are looked at for one with a safe order before the
// answer is OnlyUnsafe.
inline constexpr int SafeSolutionCandidates = 24;

// A solution of `position` (the placed pieces stay where they stand) in a
// safe order from it: the solver's first solution when it has one, else the
// first of up to SafeSolutionCandidates solutions that does. `first` and
// `firstKind` as for safeOrder. The same position and limits give the same
// answer in every run.
SafeSolveResult solveSafely(const Level& position, const SolveLimits& limits = {},
                            FirstStep first = FirstStep::Any,
                            PieceKind firstKind = PieceKind::Mirror);

} // namespace prismora
