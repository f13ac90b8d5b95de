// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The checks every shipped level passes, shared by the level tool and the level generator.
#pragma once

#include "core/level.h"

#include <string>

namespace prismora {

// The first master level: from here on a level needs four to seven pieces
// and is held to every measure of a good level.
inline constexpr int FirstMasterLevel = 31;

struct LevelCheck {
    std::string failure; // empty when every check passed
    long states = 0;     // the solver's work to solve the level as loaded
};

// `built`: the level with the designer's solution; `loaded`: as the player
// meets it after the file was saved and read back; `number`: its place in
// the series.
LevelCheck checkLevel(const Level& built, const Level& loaded, int number);

} // namespace prismora
