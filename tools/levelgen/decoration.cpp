// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Removing the fixed elements of a planted level that its single solution does not need.
#include "decoration.h"

#include "core/evaluation.h"
#include "core/level_measures.h"

#include <algorithm>
#include <numeric>

namespace prismora {
namespace {

// True when `level` keeps `solution` as its one solution, with a lamp left
// dark at the start.
bool staysUnique(const Level& level, const std::vector<Placement>& solution, long states)
{
    if (evaluate(level).verdict != Verdict::LampsLeft || !solvesLevel(level, solution)) {
        return false;
    }
    const CountResult count = countSolutions(level, 2, {.maxStates = states});
    return count.isExact && count.solutions == 1;
}

} // namespace

Planted withoutDecoration(Planted planted, Random& random, long states)
{
    std::vector<std::size_t> order(planted.puzzle.pieces.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    random.shuffle(order);
    for (const std::size_t i : order) {
        Piece& piece = planted.puzzle.pieces[i];
        if (piece.removed || !isFixedElement(piece.kind)) {
            continue;
        }
        piece.removed = true;
        if (!staysUnique(planted.puzzle, planted.solution, states)) {
            piece.removed = false;
        }
    }
    return planted;
}

} // namespace prismora
