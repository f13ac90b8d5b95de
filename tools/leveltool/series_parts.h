// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The level series in parts: teaching levels first, then puzzles, then master levels.
#pragma once

#include "level_design.h"

#include <vector>

namespace prismora {

const std::vector<LevelDesign>& firstSeriesPart();
const std::vector<LevelDesign>& secondSeriesPart();
const std::vector<LevelDesign>& thirdSeriesPart();
const std::vector<LevelDesign>& fourthSeriesPart();
const std::vector<LevelDesign>& fifthSeriesPart();
const std::vector<LevelDesign>& sixthSeriesPart();

} // namespace prismora
