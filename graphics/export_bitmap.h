// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// ExportBitmap: a plain indexed or true-colour picture, the form pictures are saved in.
#pragma once

#include "graphics/color32.h"

#include <cstdint>
#include <vector>

namespace prismora {

struct RgbColor {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    bool operator==(const RgbColor&) const = default;
};

// Indexed4 and Indexed8 hold palette indices (up to 16 and 256 palette entries);
// Rgb24 holds opaque colours; Argb32 holds colours with their alpha byte.
enum class PixelFormat { Indexed4, Indexed8, Rgb24, Argb32 };

// Rows run top to bottom. Every pixel is one 32-bit value: the palette index for the
// indexed formats, the $AARRGGBB colour otherwise. A new bitmap is index 0 or
// opaque black. Pixel accessors do not check their coordinates.
class ExportBitmap {
public:
    ExportBitmap() = default;
    // Negative sizes count as 0; more than Bitmap32::MaxPixels pixels throws
    // GraphicsError. A palette longer than the format allows is cut; indexed
    // formats keep the palette given (writers pad it with black).
    ExportBitmap(int width, int height, PixelFormat format, std::vector<RgbColor> palette = {});

    // A true-colour copy of width x height pixels read row by row from pixels.
    static ExportBitmap fromPixels(const Color32* pixels, int width, int height,
                                   PixelFormat format = PixelFormat::Rgb24);

    int width() const { return m_width; }
    int height() const { return m_height; }
    bool isEmpty() const { return m_width == 0 || m_height == 0; }
    PixelFormat format() const { return m_format; }
    bool isIndexed() const
    {
        return m_format == PixelFormat::Indexed4 || m_format == PixelFormat::Indexed8;
    }
    int bitsPerPixel() const;
    // 16 or 256 for the indexed formats, 0 otherwise.
    int paletteCapacity() const;
    const std::vector<RgbColor>& palette() const { return m_palette; }
    // Palette entry i, black beyond the palette (writers pad palettes this way).
    RgbColor paletteEntry(std::size_t i) const
    {
        return i < m_palette.size() ? m_palette[i] : RgbColor{};
    }

    // Indexed formats: the index is cut to the format's bits.
    std::uint8_t index(int x, int y) const { return static_cast<std::uint8_t>(value(x, y)); }
    void setIndex(int x, int y, std::uint8_t index)
    {
        if (isIndexed()) {
            at(x, y) = m_format == PixelFormat::Indexed4 ? (index & 15u) : index;
        }
    }
    // Any format: $AARRGGBB. Indexed pixels give their palette colour (black for an
    // index beyond the palette) with alpha 255; Rgb24 always has alpha 255.
    Color32 color(int x, int y) const
    {
        const std::uint32_t v = value(x, y);
        if (isIndexed()) {
            const RgbColor c = paletteEntry(v);
            return rgba(c.red, c.green, c.blue);
        }
        return m_format == PixelFormat::Rgb24 ? (v | 0xFF000000u) : v;
    }
    // True-colour formats only; ignored for indexed ones.
    void setColor(int x, int y, Color32 color)
    {
        if (!isIndexed()) {
            at(x, y) = m_format == PixelFormat::Rgb24 ? (color | 0xFF000000u) : color;
        }
    }
    // The raw values of row y (indices or colours).
    const std::uint32_t* row(int y) const
    {
        return m_values.data() + std::size_t(y) * std::size_t(m_width);
    }

private:
    std::uint32_t value(int x, int y) const { return row(y)[x]; }
    std::uint32_t& at(int x, int y)
    {
        return m_values[std::size_t(y) * std::size_t(m_width) + std::size_t(x)];
    }

    int m_width = 0;
    int m_height = 0;
    PixelFormat m_format = PixelFormat::Rgb24;
    std::vector<RgbColor> m_palette;
    std::vector<std::uint32_t> m_values;
};

} // namespace prismora
