// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Order and piece-count checks of a level's intended solution.
#include "core/solver_checks.h"

#include <algorithm>
#include <numeric>
#include <random>

namespace prismora {

std::vector<Placement> placedPieces(const Level& level)
{
    std::vector<Placement> pieces;
    for (const Piece& p : level.pieces) {
        if (!p.removed && isPlaceableKind(p.kind)) {
            pieces.push_back({p.kind, p.column, p.row, p.direction});
        }
    }
    return pieces;
}

std::optional<std::vector<Placement>> orderThatFails(const Level& base,
                                                     std::vector<Placement> pieces,
                                                     std::uint32_t seed, int randomOrders)
{
    constexpr std::size_t AllOrdersUpTo = 6;
    std::vector<std::size_t> order(pieces.size());
    std::iota(order.begin(), order.end(), 0);
    std::mt19937 random(seed);
    const bool every = pieces.size() <= AllOrdersUpTo;
    std::vector<Placement> placed(pieces.size());
    for (int round = 0; every || round < randomOrders; ++round) {
        if (!every) {
            std::shuffle(order.begin(), order.end(), random);
        }
        for (std::size_t i = 0; i < order.size(); ++i) {
            placed[i] = pieces[order[i]];
        }
        if (verdictAfter(base, placed) != Verdict::Solved) {
            return placed;
        }
        if (every && !std::next_permutation(order.begin(), order.end())) {
            break;
        }
    }
    return std::nullopt;
}

bool solvableWith(const Level& level, int pieces)
{
    return solve(level, {.maxPieces = pieces}).status == SolveStatus::Solved;
}

} // namespace prismora
