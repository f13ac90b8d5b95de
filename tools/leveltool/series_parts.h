// The level series in parts: teaching levels first, then puzzles, then master levels.
#pragma once

#include "level_design.h"

#include <vector>

namespace prismora {

const std::vector<LevelDesign>& FirstSeriesPart();
const std::vector<LevelDesign>& SecondSeriesPart();
const std::vector<LevelDesign>& ThirdSeriesPart();
const std::vector<LevelDesign>& FourthSeriesPart();
const std::vector<LevelDesign>& FifthSeriesPart();
const std::vector<LevelDesign>& SixthSeriesPart();

} // namespace prismora
