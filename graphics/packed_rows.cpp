// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Packing ExportBitmap rows for the codec libraries.
#include "graphics/packed_rows.h"

#include <algorithm>

namespace prismora {

std::size_t packedRowBytes(const ExportBitmap& bitmap, RowLayout layout)
{
    const std::size_t width = std::size_t(bitmap.width());
    if (layout == RowLayout::Rgb) {
        return width * 3;
    }
    switch (bitmap.format()) {
    case PixelFormat::Indexed4:
        return (width + 1) / 2;
    case PixelFormat::Indexed8:
        return width;
    case PixelFormat::Rgb24:
        return width * 3;
    case PixelFormat::Argb32:
        return width * 4;
    }
    return width * 4;
}

void packRow(const ExportBitmap& bitmap, int y, RowLayout layout, std::uint8_t* out)
{
    const int width = bitmap.width();
    if (layout == RowLayout::Native && bitmap.format() == PixelFormat::Indexed4) {
        std::fill_n(out, packedRowBytes(bitmap, layout), 0);
        for (int x = 0; x < width; ++x) {
            out[x / 2] |= static_cast<std::uint8_t>(bitmap.index(x, y) << (x % 2 == 0 ? 4 : 0));
        }
        return;
    }
    if (layout == RowLayout::Native && bitmap.format() == PixelFormat::Indexed8) {
        for (int x = 0; x < width; ++x) {
            out[x] = bitmap.index(x, y);
        }
        return;
    }
    const bool alpha = layout == RowLayout::Native && bitmap.format() == PixelFormat::Argb32;
    for (int x = 0; x < width; ++x) {
        const Color32 c = bitmap.color(x, y);
        *out++ = redOf(c);
        *out++ = greenOf(c);
        *out++ = blueOf(c);
        if (alpha) {
            *out++ = alphaOf(c);
        }
    }
}

} // namespace prismora
