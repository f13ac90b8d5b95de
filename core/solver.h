// The level solver: searches placements of the palette's pieces until every lamp is lit.
#pragma once

#include "core/level.h"
#include "core/verdict.h"

#include <cstdint>
#include <span>
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
    NoSolution, // every reachable placement was tried
    GaveUp,     // the state budget ran out first
};

struct SolveLimits {
    // Positions evaluated before giving up: ten times what the hardest shipped
    // level needs, and a few seconds at most on a crowded board from a stranger.
    long maxStates = 200000;
    // Most pieces placed in one solution; -1 for as many as the palette holds.
    int maxPieces = -1;
};

struct SolveResult {
    SolveStatus status = SolveStatus::NoSolution;
    std::vector<Placement> solution;
    // Positions traced and judged, the starting one included: the measure of
    // a level's difficulty.
    long states = 0;
};

// Searches for placements of the pieces in the palette's play rows (0..6)
// that make the verdict Solved in play mode. Each placement is appended the
// way the palette does it, so the outputs of placed splitting pieces follow
// the cannons in the source table in the order placed. A solution must also
// hold when the solved position is saved and loaded again (outputs then come
// before the cannons).
//
// The search is best-first (colours reaching lamps, fewer pieces placed),
// deterministic, and looks only at free cells that a beam crosses (a piece
// anywhere else changes no beam); of the directions of a piece it tries one
// of each group that acts alike on the beams crossing that cell, and it
// visits each set of placements once whatever the order of placing. Because
// of these two restrictions "no solution" means none was found among such
// placements. A level already solved as loaded gives an empty solution.
SolveResult solve(const Level& level, const SolveLimits& limits = {});

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
