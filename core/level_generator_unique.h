// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Making a planted solution the only one: lamps, bombs and obstacles added where other solutions
// differ.
#pragma once

#include "core/level_generator_planting.h"

#include <atomic>

namespace prismora {

struct UniquenessBudget {
    int rounds = 14;         // lamps and bombs added at most
    long states = 3'000'000; // for each count of the solutions
    int mostLamps = 8;
    int mostBombs = 4;
    // Added lamps keep off the cells the starting position's beams cross.
    bool lampsDarkAtStart = false;
    const std::atomic<bool>* cancel = nullptr; // given to every count
};

// The planted level changed so that its solution is the only one, or nothing
// when that did not work out within the budget. A lamp or a bomb never makes
// a new solution: a lamp lets every beam through and only asks to be lit, a
// bomb only ends a solution whose beams reach it. An obstacle may, so the
// solutions are counted again after every change.
std::optional<Planted> makeUnique(Planted planted, Random& random,
                                  const UniquenessBudget& budget = {});

} // namespace prismora
