// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Combining whole rows: a plain copy in the opaque mode, pixel by pixel otherwise.
#include "graphics/pixel_combiner.h"

#include <algorithm>

namespace prismora {

void PixelCombiner::combineRow(const Color32* source, Color32* destination, int count) const
{
    if (m_mode == DrawMode::Opaque) {
        std::copy(source, source + count, destination);
        return;
    }
    for (int i = 0; i < count; ++i) {
        combine(source[i], destination[i]);
    }
}

} // namespace prismora
