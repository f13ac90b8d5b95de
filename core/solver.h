// The level solver: searches placements of the palette's pieces until every lamp is lit, or counts
// the ways.
#pragma once

#include "core/level.h"
#include "core/verdict.h"

#include <atomic>
#include <cstddef>
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
    TimeBudget,
    Memory,
    Cancelled,
    TooManyPieces, // more pieces in hand than the search places (MaxSearchDepth)
    TooManyBeams,  // more beams at once than the search keeps (a file with many splitters)
};

// Text for a reason, as the command line prints it ("state budget", ...).
std::string describe(GiveUpReason reason);

struct SolveLimits {
    // Positions generated before giving up; 0 for no limit.
    long maxStates = 0;
    // Most pieces placed in one solution; -1 for as many as the palette holds.
    int maxPieces = -1;
    // Seconds of searching before giving up; 0 or less for no limit.
    double maxSeconds = 10.0;
    // Memory the set of visited positions may take.
    std::size_t maxMemoryBytes = std::size_t(1) << 30;
    // Checked often; when it turns true the search gives up (Cancelled).
    const std::atomic<bool>* cancel = nullptr;
};

// The most pieces a search places.
inline constexpr int MaxSearchDepth = 16;

struct SolveResult {
    SolveStatus status = SolveStatus::NoSolution;
    GiveUpReason reason = GiveUpReason::None;
    // In an order of placing that works.
    std::vector<Placement> solution;
    // Positions generated, the starting one included: a measure of the work.
    long states = 0;
};

// What counts as a solution, for solve and countSolutions alike: a set of
// pieces from the palette's play rows (0..6), each on a free board cell, such
// that some order of placing them (only the order of the splitting pieces
// can matter: their outputs take the next source indices, and sources are
// traced in index order in two passes) makes the verdict Solved in play mode,
// both as placed and when the solved position is saved and loaded again
// (outputs then come before the cannons). Pieces of one kind are
// interchangeable: a set, not a sequence.
//
// The search is exact. It builds sets piece by piece, putting the next piece
// on a free cell that some beam may cross in the position so far: a beam of
// any feeding order (see mapReach), a superset of the beams of every real
// evaluation. Every solution in which every piece is crossed by a beam is
// reached this way: add its pieces in the order the beams of the solved
// position first enter them, and each lies on a beam of the pieces before it.
// Of the eight directions of a piece it tries one of each group that acts
// alike on every beam that may arrive at its cell, and splits a group again
// when more beams may arrive after later pieces. Each set is visited once
// (a compact key in an open-addressing table). "NoSolution" therefore means:
// no set of at most the palette's pieces (and at most MaxSearchDepth)
// solves the level. A level already solved as loaded gives an empty solution.
//
// The search goes deepest first, trying first the placement whose position
// has the most lamp colours in reach.
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

// Counts distinct solutions, stopping at `limit`. Beyond the rules above, a
// solution's every piece must be crossed by a beam in the solved position
// (a spare piece parked anywhere makes no new solution), and two directions
// of a piece that do the same to every beam arriving at its cell there are
// one solution.
CountResult countSolutions(const Level& level, int limit, const SolveLimits& limits = {});

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
