// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Hints for the player: the next step of a safe path, or a placed piece to take back.
#pragma once

#include "core/level.h"
#include "core/solver.h"

#include <atomic>
#include <vector>

namespace prismora {

enum class HintKind {
    Place,         // put `placement` on the board next
    TakeBack,      // take the placed piece `piece` back: no safe way on keeps it
    AlreadySolved, // nothing left to do
    NoSolution,    // no solution was found, whatever the player takes back
    Cancelled,     // the search was called off before it had an answer
};

struct Hint {
    HintKind kind = HintKind::NoSolution;
    Placement placement; // Place
    // TakeBack: the piece to take back (index in Level::pieces). Place: the
    // piece just taken that waits in its arrival cell, to be moved to the
    // placement's cell, or -1 to take one from the hand.
    int piece = -1;

    bool operator==(const Hint&) const = default;
};

// States each of the hint's searches may explore. The same position always
// gets the same hint, whatever the machine's load.
inline constexpr long HintStates = 3'000'000;

// A hint for `level` in play, the next step of a safe path from the
// position as it stands (see safe_path.h: no step of it sets off a bomb):
// 1. a piece just taken from the hand and still in its arrival cell
//    (column 1, row 1) is told where to go, when a safe path from the
//    position without it begins with a piece of its kind and does not put
//    one like it right there;
// 2. otherwise the first step of a safe path of a solution that keeps every
//    placed piece where it stands, a step on a cell a beam already crosses
//    when the path allows;
// 3. only when no such step exists, the placed piece to take back: the most
//    recently placed one that is not in the solution from the starting
//    position (every placed piece back in the hand), the most recently
//    placed one if all are, preferring one whose removal sets off no bomb.
// `cancelled` is looked at throughout the searches; once set the answer is
// Cancelled.
Hint findHint(const Level& level, const std::atomic<bool>& cancelled);

// The live placeable pieces standing on the board, in index order: the
// pieces a player has placed.
std::vector<int> placedPieceIndices(const Level& level);

// `level` with the pieces `indices` taken off and back in the hand, as a
// drop past the board's edge does in play.
Level withPiecesTakenBack(const Level& level, const std::vector<int>& indices);

} // namespace prismora
