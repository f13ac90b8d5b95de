// Nearest-colour reduction to the 16 standard colours.
#include "graphics/standard_palette.h"

#include <vector>

namespace prismora {

const std::array<RgbColor, 16>& StandardPalette16()
{
    static const std::array<RgbColor, 16> palette{{
        {0x00, 0x00, 0x00}, {0x80, 0x00, 0x00}, {0x00, 0x80, 0x00}, {0x80, 0x80, 0x00},
        {0x00, 0x00, 0x80}, {0x80, 0x00, 0x80}, {0x00, 0x80, 0x80}, {0xC0, 0xC0, 0xC0},
        {0x80, 0x80, 0x80}, {0xFF, 0x00, 0x00}, {0x00, 0xFF, 0x00}, {0xFF, 0xFF, 0x00},
        {0x00, 0x00, 0xFF}, {0xFF, 0x00, 0xFF}, {0x00, 0xFF, 0xFF}, {0xFF, 0xFF, 0xFF},
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
    // Pictures are mostly runs of one colour: remember the last match.
    TColor32 lastColor = 0;
    int lastIndex = NearestStandardIndex(lastColor);
    for (int y = 0; y < bitmap.Height(); ++y) {
        const TColor32* row = pixels + std::size_t(y) * std::size_t(width);
        for (int x = 0; x < bitmap.Width(); ++x) {
            const TColor32 c = row[x] & 0x00FFFFFFu;
            if (c != lastColor) {
                lastColor = c;
                lastIndex = NearestStandardIndex(c);
            }
            bitmap.SetIndex(x, y, static_cast<std::uint8_t>(lastIndex));
        }
    }
    return bitmap;
}

} // namespace prismora
