// Nearest-colour reduction to the 16 standard colours.
#include "graphics/standard_palette.h"

#include <vector>

namespace prismora {

const std::array<RgbColor, 16>& StandardPalette16()
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

int NearestStandardIndex(TColor32 c)
{
    const int red = RedOf(c);
    const int green = GreenOf(c);
    const int blue = BlueOf(c);
    int best = 0;
    int bestDistance = 0x7FFFFFFF;
    const auto& palette = StandardPalette16();
    for (int i = 0; i < 16; ++i) {
        const int dr = red - palette[std::size_t(i)].Red;
        const int dg = green - palette[std::size_t(i)].Green;
        const int db = blue - palette[std::size_t(i)].Blue;
        const int distance = dr * dr + dg * dg + db * db;
        if (distance < bestDistance) {
            best = i;
            bestDistance = distance;
        }
    }
    return best;
}

ExportBitmap ReduceToStandard16(const TColor32* pixels, int width, int height)
{
    const auto& palette = StandardPalette16();
    ExportBitmap bitmap(width, height, PixelFormat::Indexed4,
                        std::vector<RgbColor>(palette.begin(), palette.end()));
    // Pictures hold few distinct colours: remember recent matches in a small
    // direct-mapped cache (a slot holds the colour with bit 24 set once filled).
    std::array<TColor32, 256> cachedColor{};
    std::array<std::uint8_t, 256> cachedIndex{};
    for (int y = 0; y < bitmap.Height(); ++y) {
        const TColor32* row = pixels + std::size_t(y) * std::size_t(width);
        for (int x = 0; x < bitmap.Width(); ++x) {
            const TColor32 key = (row[x] & 0x00FFFFFFu) | 0x01000000u;
            const std::size_t slot = (key ^ (key >> 8) ^ (key >> 16)) & 255u;
            if (cachedColor[slot] != key) {
                cachedColor[slot] = key;
                cachedIndex[slot] = static_cast<std::uint8_t>(NearestStandardIndex(key));
            }
            bitmap.SetIndex(x, y, cachedIndex[slot]);
        }
    }
    return bitmap;
}

} // namespace prismora
