// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Random hard levels for the solver's tests and benchmark: 4 to 6 pieces, 3 or 4 cannons.
#pragma once

#include "core/level_generator_planting.h"
#include "core/random.h"

#include <optional>
#include <vector>

namespace prismora {

// One level made by planting a solution of 4 to 6 pieces (mirrors, double
// mirrors, crosses, couplings, an inverter) among 3 or 4 cannons and a few
// obstacles, then lamps where the finished beams cross and bombs where only
// beams on the way did; nothing when this draw makes no good level.
std::optional<Planted> plantHardLevel(Random& random);

// The first `count` levels plantHardLevel makes from `seed`, in order, named
// "Svår 1", "Svår 2", ...: the same levels for the same seed.
std::vector<Level> hardLevels(unsigned seed, int count);

} // namespace prismora
