// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The solver's one search: one walk of every beam, deciding each cell a piece may go on the first
// time a beam enters it.
#pragma once

#include "core/solver.h"

#include <memory>

namespace prismora {

// The search behind solve() and countSolutions() (see the contract in
// solver.h), stopping after `limit` distinct solutions. It follows every beam
// the position may have (as mapReach does) and, the first time a beam enters
// a cell a piece may go on, decides once and for all what stands there:
// nothing, or a piece from the hand in a group of directions that act alike
// on the beams waiting there (split again when another beam arrives that
// tells them apart). Every position whose pieces all lie on its beams is met
// exactly once, so no visited set is needed and memory stays small. A
// branch ends early when a cannon's beam, or the output of a junction such a
// beam feeds, reaches a bomb (every evaluation traces it), and when the
// pieces left cannot bring some lamp a colour it lacks (LampBound).
CountResult enumerateSolutions(const Level& level, int limit, const SolveLimits& limits);

// The same walk, in stretches: it pauses between branches when the caller
// has what it asked for, and goes on where it paused. Walked on to the end,
// it finds what enumerateSolutions finds, in the same states.
class SolutionWalk {
public:
    SolutionWalk(const Level& level, int limit, const SolveLimits& limits);
    ~SolutionWalk();
    SolutionWalk(const SolutionWalk&) = delete;
    SolutionWalk& operator=(const SolutionWalk&) = delete;

    // Walks on until at least `solutions` are found and `states` made, or
    // the walk is over; what it found so far.
    CountResult walkOn(int solutions, long states);
    // The limit's solutions are found, the tree is walked, or a budget ran out.
    bool isOver() const;

private:
    struct Walks;
    std::unique_ptr<Walks> m_walks;
};

} // namespace prismora
