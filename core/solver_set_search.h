// Finding one solution: sets of placements on cells beams may cross, most promising first.
#pragma once

#include "core/solver.h"

#include "core/solver_common.h"

namespace prismora {

// The search behind solve() (see the contract in solver.h): depth first over
// sets of placements, each set visited once (a compact key in an
// open-addressing table), the children of a set tried most promising first
// (lamp colours in reach, no bomb, fewer pieces). Exhaustive when it ends
// without a solution and without a budget running out.
SolveResult findSolution(const Level& level, const SolveLimits& limits, RaceEntry race = {});

} // namespace prismora
