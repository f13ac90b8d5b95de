// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A level's trick: what its solution's pieces do to the beams, the same under every symmetry of
// the board; and the variety measure that compares the tricks of a series.
#pragma once

#include "core/level_measures.h"

#include <vector>

namespace prismora {

// The solution's pieces in safe-path order, each as its kind and, for every
// beam arriving at it in the solved position, the direction it arrives in
// and the directions that leave (the beam going on and the output fed),
// written in the one of the board's eight symmetries (four turns, each also
// mirrored) that gives the smallest numbers. Equal tricks are one trick.
using Trick = std::vector<int>;

// `path`: the solution in safe-path order from `start`.
Trick trickOf(const Level& start, const std::vector<Placement>& path);

// How many pieces a trick has.
int trickPieces(const Trick& trick);

enum class VarietyRule {
    // No two levels share a trick.
    Strict,
    // Tricks of one or two pieces may come back, but not in the next level.
    SmallTricksReturn,
};

// Variety of level `index` of a series (tricks in playing order; an empty
// trick, of a level without a safe path, is compared with none): fails when
// an earlier level (or, by the rule, the one just before) plays the same
// trick. `firstNumber` is the number of the series' first level, for the text.
Measure measureVariety(const std::vector<Trick>& series, std::size_t index, VarietyRule rule,
                       int firstNumber);

} // namespace prismora
