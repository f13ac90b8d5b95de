// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A read-only view of a caller's rows of 32-bit pixels with any distance between rows.
#pragma once

#include "graphics/color32.h"

#include <cstddef>
#include <cstdint>

namespace prismora {

// width x height pixels ($AARRGGBB), rows bytesPerLine bytes apart, top row first:
// the layout of a QImage in Format_RGB32 or Format_ARGB32 (constBits(),
// bytesPerLine()), or of a Bitmap32 (bits(), width() * 4). The caller keeps the
// pixels alive while the view is used.
struct PixelRows {
    const Color32* first = nullptr;
    int width = 0;
    int height = 0;
    std::ptrdiff_t bytesPerLine = 0;

    // Rows stored one after the other with no padding.
    static PixelRows contiguous(const Color32* pixels, int width, int height)
    {
        return {pixels, width, height, std::ptrdiff_t(width) * std::ptrdiff_t(sizeof(Color32))};
    }

    const Color32* row(int y) const
    {
        return reinterpret_cast<const Color32*>(reinterpret_cast<const std::uint8_t*>(first) +
                                                std::ptrdiff_t(y) * bytesPerLine);
    }
};

} // namespace prismora
