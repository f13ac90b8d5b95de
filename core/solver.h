// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The level solver: searches placements of the palette's pieces until every lamp is lit, or counts
// the ways.
#pragma once

#include "core/level.h"
#include "core/verdict.h"

#include <atomic>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace prismora {

// One piece put on the board from the palette, in the order placed.
struct Placement {
    PieceKind kind = PieceKind::Mirror;
    std::int32_t column = 0;
    std::int32_t row = 0;
    std::uint8_t direction = 0;

    bool operator==(const Placement&) const = default;
};

enum class SolveStatus {
    Solved,     // `solution` lights every lamp without a bomb
    NoSolution, // the search was exhaustive and found none
    GaveUp,     // a budget ran out first (see GiveUpReason)
};

enum class GiveUpReason {
    None,
    StateBudget,
    TimeBudget, // the safety cap on seconds (see SolveLimits::maxSeconds)
    Cancelled,
    TooManyPieces, // more pieces in hand than the search places (MaxSearchDepth)
    TooManyBeams,  // more beams at once than the search keeps (a file with many splitters)
    TooManyOrders, // a final position with more splitting pieces than the search orders
};

// Text for a reason, as the command line prints it ("state budget", ...).
std::string describe(GiveUpReason reason);

// What may stop a search before it decides. Only the states can change an
// answer from one run to the next in a way a caller controls: the same level
// and limits give the same answer and the same `states` in every run,
// whatever the load. The seconds are a safety cap for a stranger's file,
// far above what any level here needs; a caller that wants a bound sets
// maxStates.
struct SolveLimits {
    // States explored before giving up; 0 for no limit.
    long maxStates = 0;
    // Most pieces placed in one solution; -1 for as many as the palette holds.
    int maxPieces = -1;
    // Safety cap in seconds; 0 or less for none.
    double maxSeconds = 60.0;
    // Checked at every state; when it turns true the search gives up (Cancelled).
    const std::atomic<bool>* cancel = nullptr;
};

// The most pieces a search places.
inline constexpr int MaxSearchDepth = 16;

struct SolveResult {
    SolveStatus status = SolveStatus::NoSolution;
    GiveUpReason reason = GiveUpReason::None;
    // In an order of placing that works.
    std::vector<Placement> solution;
    // States explored (branches of the walk, the starting one included): the
    // measure of the work, the same in every run.
    long states = 0;
};

// What counts as a solution, for solve and countSolutions alike: a set of
// pieces from the palette's play rows (0..6), each on its own board cell
// that holds no live piece (an empty cell, or one that holds a cannon, as a
// player may drop a piece there), such that some order of placing them (only
// the order of the splitting pieces can matter: their outputs take the next
// source indices, and sources are traced in index order in two passes) makes
// the verdict Solved in play mode, both as placed and when the solved
// position is saved and loaded again (outputs then come before the cannons).
// A piece on a cannon's cell acts on the beams arriving there; the cannon's
// own beam leaves the cell without meeting it. A cell holding a fixed piece
// (lamp, bomb, obstacle, one-way piece) or a piece already placed is never
// used: a piece dropped there has the higher index and never acts. Pieces of
// one kind are interchangeable: a set, not a sequence.
//
// The search is exact. It is one walk of every beam the position may have
// (see solver_beam_search.h), depth first: the first time a beam enters a
// cell a piece may go on, it decides what stands there, nothing or a piece
// from the hand in a group of directions that act alike on the beams
// arriving so far (split when later beams tell them apart). Every solution
// in which every piece is crossed by a beam is met this way, exactly once:
// the walk follows the beams of the solved position itself. "NoSolution"
// therefore means: no set of at most the palette's pieces (and at most
// MaxSearchDepth) solves the level with every piece on a beam, and a piece no
// beam crosses does nothing. A level already solved as loaded gives an empty
// solution.
SolveResult solve(const Level& level, const SolveLimits& limits = {});

struct CountResult {
    // Distinct solutions found, up to the limit.
    int solutions = 0;
    // True when the whole search space was covered (or the limit reached),
    // so `solutions` is exact as far as the limit.
    bool isExact = false;
    GiveUpReason reason = GiveUpReason::None;
    long states = 0;
    // The solutions found, each in a working order.
    std::vector<std::vector<Placement>> found;
};

// Counts distinct solutions, stopping at `limit`: the same walk as solve,
// which stops at the first. Beyond the rules above, a solution's every piece
// must be crossed by a beam in the solved position (a spare piece parked
// anywhere makes no new solution), and two directions of a piece that do the
// same to every beam arriving at its cell there are one solution.
CountResult countSolutions(const Level& level, int limit, const SolveLimits& limits = {});

// True when two directions of a placeable `kind` do the same to every beam,
// whatever its direction and colour (a double mirror turned half round, say).
// The one rule of directions that act alike, the solver's and the hint's.
// Directions of other kinds act alike only when equal modulo 8.
bool directionsActAlike(PieceKind kind, std::uint8_t first, std::uint8_t second);

// Appends the placements to `level` in order, as a player placing them from
// the palette would. Returns false (leaving the earlier ones placed) when a
// table is full.
bool placePieces(Level& level, std::span<const Placement> placements);

// The level as it stands after the position is saved and loaded again: every
// live piece appended in index order (outputs of splitting pieces first),
// then the live cannons.
Level reloadedLevel(const Level& level);

// Verdict in play mode after placing `placements` on a copy of `base`.
Verdict verdictAfter(const Level& base, std::span<const Placement> placements);

// True when `placements` solve `base` both in the order placed and as the
// saved position would load.
bool solvesLevel(const Level& base, std::span<const Placement> placements);

} // namespace prismora
