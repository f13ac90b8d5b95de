// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The game's sound effects, each a recipe of the generator's instruments.
#pragma once

#include "synth.h"

#include <string>
#include <vector>

namespace prismora::soundgen {

struct SoundEffect {
    std::string fileName; // as the game's resources name it
    Samples samples;
};

// take.wav, turn.wav, drop.wav, lamp.wav, bomb.wav and solved.wav.
std::vector<SoundEffect> gameSounds();

} // namespace prismora::soundgen
