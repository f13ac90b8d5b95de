// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Nearest-colour reduction to the 16 standard colours.
#include "graphics/standard_palette.h"

#include <vector>

namespace prismora {

const std::array<RgbColor, 16>& standardPalette16()
{
    static const std::array<RgbColor, 16> palette{{
        {0x00, 0x00, 0x00},
        {0x80, 0x00, 0x00},
        {0x00, 0x80, 0x00},
        {0x80, 0x80, 0x00},
        {0x00, 0x00, 0x80},
        {0x80, 0x00, 0x80},
        {0x00, 0x80, 0x80},
        {0xC0, 0xC0, 0xC0},
        {0x80, 0x80, 0x80},
        {0xFF, 0x00, 0x00},
        {0x00, 0xFF, 0x00},
        {0xFF, 0xFF, 0x00},
        {0x00, 0x00, 0xFF},
        {0xFF, 0x00, 0xFF},
        {0x00, 0xFF, 0xFF},
        {0xFF, 0xFF, 0xFF},
    }};
    return palette;
}

int nearestStandardIndex(Color32 c)
{
    const int red = redOf(c);
    const int green = greenOf(c);
    const int blue = blueOf(c);
    int best = 0;
    int bestDistance = 0x7FFFFFFF;
    const auto& palette = standardPalette16();
    for (int i = 0; i < 16; ++i) {
        const int dr = red - palette[std::size_t(i)].red;
        const int dg = green - palette[std::size_t(i)].green;
        const int db = blue - palette[std::size_t(i)].blue;
        const int distance = dr * dr + dg * dg + db * db;
        if (distance < bestDistance) {
            best = i;
            bestDistance = distance;
        }
    }
    return best;
}

ExportBitmap reduceToStandard16(const Color32* pixels, int width, int height)
{
    const auto& palette = standardPalette16();
    ExportBitmap bitmap(width, height, PixelFormat::Indexed4,
                        std::vector<RgbColor>(palette.begin(), palette.end()));
    const PixelRows rows = PixelRows::contiguous(pixels, width, height);
    NearestStandardCache cache;
    for (int y = 0; y < bitmap.height(); ++y) {
        const Color32* row = rows.row(y);
        for (int x = 0; x < bitmap.width(); ++x) {
            bitmap.setIndex(x, y, cache.indexOf(row[x]));
        }
    }
    return bitmap;
}

void reduceRowToStandardRgb(const PixelRows& pixels, int y, NearestStandardCache& cache,
                            std::uint8_t* rgb)
{
    const auto& palette = standardPalette16();
    const Color32* row = pixels.row(y);
    // Boards are drawn in long runs of one colour: repeat the last answer while
    // the colour repeats.
    Color32 lastColour = 0;
    RgbColor lastStandard{};
    bool hasLast = false;
    for (int x = 0; x < pixels.width; ++x) {
        const Color32 colour = row[x] & 0x00FFFFFFu;
        if (!hasLast || colour != lastColour) {
            lastColour = colour;
            lastStandard = palette[cache.indexOf(colour)];
            hasLast = true;
        }
        *rgb++ = lastStandard.red;
        *rgb++ = lastStandard.green;
        *rgb++ = lastStandard.blue;
    }
}

} // namespace prismora
