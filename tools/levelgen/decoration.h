// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Taking away what a planted level does not need: lamps, bombs and obstacles that decide nothing.
#pragma once

#include "core/level_generator_planting.h"

namespace prismora {

// The level with every lamp, bomb, obstacle and one-way piece taken away,
// one at a time in random order, whose removal keeps the planted solution
// the only one (each count within `states`). What is left is needed: taking
// any of it away admits a second solution or breaks the planted one.
Planted withoutDecoration(Planted planted, Random& random, long states);

} // namespace prismora
