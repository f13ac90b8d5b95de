// Levels of the series' later part: puzzles combining the pieces.
#include "series_parts.h"

namespace prismora {

const std::vector<LevelDesign>& ThirdSeriesPart()
{
    static const std::vector<LevelDesign> levels{};
    return levels;
}

} // namespace prismora
