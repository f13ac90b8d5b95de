// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Checks a level designer's solution must pass: any placing order, and how few pieces suffice.
#pragma once

#include "core/solver.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace prismora {

// The live pieces of placeable kinds in `level`, in index order, as placements.
std::vector<Placement> placedPieces(const Level& level);

// Places `pieces` on copies of `base` in many orders (every order for up to
// six pieces, else `randomOrders` shuffles from `seed`) and returns the
// first order that does not end Solved, or nothing when all do.
std::optional<std::vector<Placement>> orderThatFails(const Level& base,
                                                     std::vector<Placement> pieces,
                                                     std::uint32_t seed, int randomOrders);

// True when some placement of at most `pieces` palette pieces solves `level`.
bool solvableWith(const Level& level, int pieces);

} // namespace prismora
