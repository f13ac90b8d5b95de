// ExportBitmap: a plain indexed or true-colour picture, the form pictures are saved in.
#pragma once

#include "graphics/color32.h"

#include <cstdint>
#include <vector>

namespace prismora {

struct RgbColor {
    std::uint8_t Red = 0;
    std::uint8_t Green = 0;
    std::uint8_t Blue = 0;
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
    // Negative sizes count as 0; more than TBitmap32::MaxPixels pixels throws
    // GraphicsError. A palette longer than the format allows is cut; indexed
    // formats keep the palette given (writers pad it with black).
    ExportBitmap(int width, int height, PixelFormat format, std::vector<RgbColor> palette = {});

    // A true-colour copy of width x height pixels read row by row from pixels.
    static ExportBitmap FromPixels(const TColor32* pixels, int width, int height,
                                   PixelFormat format = PixelFormat::Rgb24);

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    bool Empty() const { return m_width == 0 || m_height == 0; }
    PixelFormat Format() const { return m_format; }
    bool IsIndexed() const
    {
        return m_format == PixelFormat::Indexed4 || m_format == PixelFormat::Indexed8;
    }
    int BitsPerPixel() const;
    // 16 or 256 for the indexed formats, 0 otherwise.
    int PaletteCapacity() const;
    const std::vector<RgbColor>& Palette() const { return m_palette; }
    // Palette entry i, black beyond the palette (writers pad palettes this way).
    RgbColor PaletteEntry(std::size_t i) const
    {
        return i < m_palette.size() ? m_palette[i] : RgbColor{};
    }

    // Indexed formats: the index is cut to the format's bits.
    std::uint8_t Index(int x, int y) const { return static_cast<std::uint8_t>(value(x, y)); }
    void SetIndex(int x, int y, std::uint8_t index)
    {
        if (IsIndexed()) {
            at(x, y) = m_format == PixelFormat::Indexed4 ? (index & 15u) : index;
        }
    }
    // Any format: $AARRGGBB. Indexed pixels give their palette colour (black for an
    // index beyond the palette) with alpha 255; Rgb24 always has alpha 255.
    TColor32 Color(int x, int y) const
    {
        const std::uint32_t v = value(x, y);
        if (IsIndexed()) {
            const RgbColor c = PaletteEntry(v);
            return Color32(c.Red, c.Green, c.Blue);
        }
        return m_format == PixelFormat::Rgb24 ? (v | 0xFF000000u) : v;
    }
    // True-colour formats only; ignored for indexed ones.
    void SetColor(int x, int y, TColor32 color)
    {
        if (!IsIndexed()) {
            at(x, y) = m_format == PixelFormat::Rgb24 ? (color | 0xFF000000u) : color;
        }
    }
    // The raw values of row y (indices or colours).
    const std::uint32_t* Row(int y) const
    {
        return m_values.data() + std::size_t(y) * std::size_t(m_width);
    }

private:
    std::uint32_t value(int x, int y) const { return Row(y)[x]; }
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
