// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Other solutions close to known ones: most pieces kept where they stand, a few placed anew.
#pragma once

#include "core/solver.h"

#include <atomic>
#include <optional>
#include <vector>

namespace prismora {

struct NearbySearch {
    // Pieces of a known solution taken back into the hand at most.
    int mostReplaced = 3;
    // States each small search may explore.
    long statesEach = 20'000;
    // States all of them may explore together: a level with many pieces
    // has many sets to place anew (a stranger's file among them).
    long mostStates = 200'000;
    const std::atomic<bool>* cancel = nullptr;
};

struct NearbySolutions {
    // Distinct from the known solutions and from each other, each in a working order.
    std::vector<std::vector<Placement>> found;
    long states = 0;
};

// Solutions of `level` that keep all but a few pieces of one of `known`
// where they stand: for each known solution, for every set of its pieces
// (none, then one, two, ... up to mostReplaced, in a fixed order), those
// pieces go back into the hand and the solver places the hand anew on the
// level with the others standing; then the same around each solution
// found, in the order found. Stops when `wanted` are found, or the
// states run out. Each is a solution as countSolutions counts one (every
// piece on a beam, told apart by what its pieces do to the beams), so
// finding one proves the count reaches it without walking the whole tree: a
// level whose second solution lies far into the tree but close to its first
// is told apart in a few thousand states. Finding none proves nothing. The
// same level and search find the same solutions with the same states in
// every run.
NearbySolutions nearbySolutions(const Level& level,
                                const std::vector<std::vector<Placement>>& known, int wanted,
                                const NearbySearch& search = {});

// `placements` as the count counts a solution of `level`: in a working
// order, every piece on a beam. Nothing when they do not solve it so.
std::optional<std::vector<Placement>> asCounted(const Level& level,
                                                const std::vector<Placement>& placements);

} // namespace prismora
