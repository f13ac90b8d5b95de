// Taking away what a planted level does not need: lamps, bombs and obstacles that decide nothing.
#pragma once

#include "planting.h"

namespace prismora {

// The level with every lamp, bomb, obstacle and one-way piece taken away,
// one at a time in random order, whose removal keeps the planted solution
// the only one (each count within `states`). What is left is needed: taking
// any of it away admits a second solution or breaks the planted one.
Planted withoutDecoration(Planted planted, std::mt19937& random, long states);

} // namespace prismora
