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
    // Pictures hold few distinct colours: remember recent matches in a small
    // direct-mapped cache (a slot holds the colour with bit 24 set once filled).
    std::array<Color32, 256> cachedColor{};
    std::array<std::uint8_t, 256> cachedIndex{};
    for (int y = 0; y < bitmap.height(); ++y) {
        const Color32* row = pixels + std::size_t(y) * std::size_t(width);
        for (int x = 0; x < bitmap.width(); ++x) {
            const Color32 key = (row[x] & 0x00FFFFFFu) | 0x01000000u;
            const std::size_t slot = (key ^ (key >> 8) ^ (key >> 16)) & 255u;
            if (cachedColor[slot] != key) {
                cachedColor[slot] = key;
                cachedIndex[slot] = static_cast<std::uint8_t>(nearestStandardIndex(key));
            }
            bitmap.setIndex(x, y, cachedIndex[slot]);
        }
    }
    return bitmap;
}

} // namespace prismora
