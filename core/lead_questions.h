// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Whether tempting placements lead anywhere, asked of the solver together so that one answers
// others.
#pragma once

#include "core/solver.h"

#include <span>
#include <vector>

namespace prismora {

// One question: can `after` be finished with the pieces left in its hand?
struct LeadQuestion {
    Level after;
    // The pieces the player put down from the hand to reach `after`.
    std::vector<Placement> placed;
};

// For each question, true when it leads nowhere: no solution goes through
// what was placed. A question is answered by a solution known before
// (`known`, each from the hand of the level the questions start from) or
// found for another question, when its pieces off the cells placed on
// finish `after`; else by the solver, each question walking `limits.maxStates`
// at most. The walks go on in stretches on `threads` threads, the first to
// `firstStates`, each further one to twice as many up to `lastSharedStates`,
// and a solution one finds is tried on the others between stretches; then
// each walks to its end. The answers and their states are the same in
// every run.
// Questions the solver cannot decide, or left when `limits.cancel` turns
// true, lead nowhere.
std::vector<bool> leadsNowhere(std::span<const LeadQuestion> questions,
                               std::span<const std::vector<Placement>> known,
                               const SolveLimits& limits, int threads, long firstStates = 1'000,
                               long lastSharedStates = 64'000);

} // namespace prismora
