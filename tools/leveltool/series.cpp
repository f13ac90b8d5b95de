// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The whole series in playing order.
#include "series_parts.h"

namespace prismora {

const std::vector<LevelDesign>& seriesDesigns()
{
    static const std::vector<LevelDesign> series = [] {
        std::vector<LevelDesign> all;
        for (const auto* part : {&firstSeriesPart(), &secondSeriesPart(), &thirdSeriesPart(),
                                 &fourthSeriesPart(), &fifthSeriesPart(), &sixthSeriesPart()}) {
            all.insert(all.end(), part->begin(), part->end());
        }
        return all;
    }();
    return series;
}

} // namespace prismora
