// The whole series in playing order.
#include "series_parts.h"

namespace prismora {

const std::vector<LevelDesign>& SeriesDesigns()
{
    static const std::vector<LevelDesign> series = [] {
        std::vector<LevelDesign> all;
        for (const auto* part : {&FirstSeriesPart(), &SecondSeriesPart(), &ThirdSeriesPart(),
                                 &FourthSeriesPart(), &FifthSeriesPart(), &SixthSeriesPart()}) {
            all.insert(all.end(), part->begin(), part->end());
        }
        return all;
    }();
    return series;
}

} // namespace prismora
