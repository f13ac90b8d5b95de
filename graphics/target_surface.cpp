// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Plain colour copy of a bitmap onto a caller's pixel buffer.
#include "graphics/target_surface.h"

#include "graphics/bitmap32.h"

#include <algorithm>
#include <cstdint>

namespace prismora {

void drawOntoSurface(const Bitmap32& bitmap, const TargetSurface& surface, int x, int y)
{
    if (bitmap.isEmpty() || surface.bits == nullptr || surface.width <= 0 || surface.height <= 0) {
        return;
    }
    const int left = std::max(x, 0);
    const int top = std::max(y, 0);
    const int right =
        static_cast<int>(std::min<std::int64_t>(std::int64_t(x) + bitmap.width(), surface.width));
    const int bottom =
        static_cast<int>(std::min<std::int64_t>(std::int64_t(y) + bitmap.height(), surface.height));
    auto* base = reinterpret_cast<std::uint8_t*>(surface.bits);
    for (int row = top; row < bottom; ++row) {
        const Color32* source = bitmap.scanLine(row - y) + (left - x);
        auto* target = reinterpret_cast<Color32*>(base + row * surface.bytesPerLine);
        for (int column = left; column < right; ++column) {
            target[column] = *source++ | 0xFF000000u;
        }
    }
}

} // namespace prismora
