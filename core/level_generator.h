// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Generated levels: a level with exactly one solution made from a seed code, the same on every
// machine.
#pragma once

#include "base/result.h"
#include "core/level.h"
#include "core/seed_code.h"

#include <atomic>
#include <string>

namespace prismora {

enum class GenerateFailure {
    NewerVersion, // the code names a generator version this program does not have
    Cancelled,    // `cancel` turned true (or, never seen, thousands of attempts made no level)
};

struct GeneratedLevel {
    Level level;      // as loaded: play mode, the movable pieces in the hand
    std::string code; // formatSeedCode of the code it was made from
    int difficulty = 0;
    // A short Swedish line about the level, e.g. "Fyra pjäser att placera, två kanoner".
    std::string description;
};

// The level of `code`: the same seed, tier and version give the same level
// (byte-identical saved files) on every machine, compiler and build type.
// Every level meets the taste measures (unique, minimal, purposeful bombs,
// dark start, safe path, restraint). The tier fixes the number of movable
// pieces ("Lätt" 2–3, "Medel" 3–4, "Svår" 4–5, "Mästare" 5–7). The work is
// bounded by states, never by the clock; `cancel` is looked at often.
Result<GeneratedLevel, GenerateFailure> generateLevel(const SeedCode& code,
                                                      const std::atomic<bool>* cancel = nullptr);

} // namespace prismora
