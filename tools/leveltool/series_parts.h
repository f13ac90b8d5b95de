// The level series in parts: teaching levels first, then puzzles.
#pragma once

#include "level_design.h"

#include <vector>

namespace prismora {

const std::vector<LevelDesign>& FirstSeriesPart();
const std::vector<LevelDesign>& SecondSeriesPart();
const std::vector<LevelDesign>& ThirdSeriesPart();

} // namespace prismora
