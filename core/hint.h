// Hints for the player: the next piece to place from a solution, or a placed piece to take back.
#pragma once

#include "core/level.h"
#include "core/solver.h"

#include <atomic>
#include <vector>

namespace prismora {

enum class HintKind {
    Place,         // put `placement` on the board next
    TakeBack,      // the placed piece `piece` agrees with no solution found
    AlreadySolved, // nothing left to do
    NoSolution,    // no solution was found, whatever the player takes back
    Cancelled,     // the search was called off before it had an answer
};

struct Hint {
    HintKind kind = HintKind::NoSolution;
    Placement placement; // Place
    int piece = -1;      // TakeBack: index in Level::pieces

    bool operator==(const Hint&) const = default;
};

// A hint for `level` in play. The level's starting position is the same
// level with every placeable piece the player put on the board back in the
// hand (in play nothing else can change); the pieces the player placed are
// kept where they agree with a solution:
// 1. a solution from the starting position that holds every placed piece
//    (in its cell, acting alike) gives its first piece not yet placed;
// 2. otherwise a solution that keeps the placed pieces where they stand;
// 3. otherwise the most recently placed piece that is not in the solution
//    from the starting position is the one to take back.
// `cancelled` is looked at between the searches; once set the answer is
// Cancelled.
Hint findHint(const Level& level, const std::atomic<bool>& cancelled);

// The live placeable pieces standing on the board, in index order: the
// pieces a player has placed.
std::vector<int> placedPieceIndices(const Level& level);

// `level` with the pieces `indices` taken off and back in the hand, as a
// drop past the board's edge does in play.
Level withPiecesTakenBack(const Level& level, const std::vector<int>& indices);

} // namespace prismora
