// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Whether a planted level may be offered: trimmed until nothing is decoration, then every measure.
#pragma once

#include "core/level_generator_planting.h"
#include "core/level_measures.h"

#include <atomic>
#include <optional>

namespace prismora {

struct Accepted {
    DesignedLevel level; // start as loaded, the solution in a safe order
    int difficulty = 0;
};

enum class AcceptState { Accepted, Refused, Cancelled };

struct Acceptance {
    AcceptState state = AcceptState::Refused;
    std::optional<Accepted> accepted;
};

// Takes away the lamps, bombs and obstacles the measure of minimality calls
// decoration, one at a time, then asks every measure of a master level (no
// lamp lit at the start). Each search may explore `maxStates`; a measure it
// leaves undecided refuses the level, so the answer never depends on the
// clock.
Acceptance acceptPlanted(const Planted& planted, long maxStates,
                         const std::atomic<bool>* cancel = nullptr);

} // namespace prismora
