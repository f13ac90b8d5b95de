// Counting solutions: one walk of every beam, deciding each free cell the first time a beam enters
// it.
#pragma once

#include "core/solver.h"

#include "core/solver_common.h"

namespace prismora {

// The search behind countSolutions() (see the contract in solver.h). It
// follows every beam the position may have (as mapReach does) and, the first
// time a beam enters a free board cell, decides once and for all what stands
// there: nothing, or a piece from the hand in a group of directions that act
// alike on that beam (split again when another beam arrives that tells them
// apart). Every position whose pieces all lie on its beams is met exactly
// once, so no visited set is needed and memory stays small. A cannon's beam
// that reaches a bomb ends the branch: every evaluation traces it.
CountResult enumerateSolutions(const Level& level, int limit, const SolveLimits& limits,
                               RaceEntry race = {});

} // namespace prismora
