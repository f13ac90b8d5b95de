// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// ExportBitmap: sizing, palette handling and pixel access.
#include "graphics/export_bitmap.h"

#include "graphics/bitmap32.h"
#include "graphics/graphics_error.h"

#include <algorithm>

namespace prismora {

ExportBitmap::ExportBitmap(int width, int height, PixelFormat format, std::vector<RgbColor> palette)
    : m_width(std::max(width, 0)), m_height(std::max(height, 0)), m_format(format),
      m_palette(std::move(palette))
{
    const std::int64_t count = std::int64_t(m_width) * m_height;
    if (count > Bitmap32::MaxPixels) {
        throw GraphicsError(AllocationErrorText);
    }
    if (m_palette.size() > std::size_t(paletteCapacity())) {
        m_palette.resize(std::size_t(paletteCapacity()));
    }
    if (count == 0) {
        m_width = 0;
        m_height = 0;
    }
    m_values.assign(static_cast<std::size_t>(count), isIndexed() ? 0u : 0xFF000000u);
}

ExportBitmap ExportBitmap::fromPixels(const Color32* pixels, int width, int height,
                                      PixelFormat format)
{
    ExportBitmap bitmap(width, height, format);
    for (int y = 0; y < bitmap.height(); ++y) {
        for (int x = 0; x < bitmap.width(); ++x) {
            bitmap.setColor(x, y, pixels[std::size_t(y) * std::size_t(width) + std::size_t(x)]);
        }
    }
    return bitmap;
}

int ExportBitmap::bitsPerPixel() const
{
    switch (m_format) {
    case PixelFormat::Indexed4:
        return 4;
    case PixelFormat::Indexed8:
        return 8;
    case PixelFormat::Rgb24:
        return 24;
    case PixelFormat::Argb32:
        return 32;
    }
    return 32;
}

int ExportBitmap::paletteCapacity() const
{
    switch (m_format) {
    case PixelFormat::Indexed4:
        return 16;
    case PixelFormat::Indexed8:
        return 256;
    default:
        return 0;
    }
}

} // namespace prismora
