// Packing ExportBitmap rows for the codec libraries.
#include "graphics/packed_rows.h"

#include <algorithm>

namespace prismora {

std::size_t PackedRowBytes(const ExportBitmap& bitmap, RowLayout layout)
{
    const std::size_t width = std::size_t(bitmap.Width());
    if (layout == RowLayout::Rgb) {
        return width * 3;
    }
    switch (bitmap.Format()) {
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

void PackRow(const ExportBitmap& bitmap, int y, RowLayout layout, std::uint8_t* out)
{
    const int width = bitmap.Width();
    if (layout == RowLayout::Native && bitmap.Format() == PixelFormat::Indexed4) {
        std::fill_n(out, PackedRowBytes(bitmap, layout), 0);
        for (int x = 0; x < width; ++x) {
            out[x / 2] |= static_cast<std::uint8_t>(bitmap.Index(x, y) << (x % 2 == 0 ? 4 : 0));
        }
        return;
    }
    if (layout == RowLayout::Native && bitmap.Format() == PixelFormat::Indexed8) {
        for (int x = 0; x < width; ++x) {
            out[x] = bitmap.Index(x, y);
        }
        return;
    }
    const bool alpha = layout == RowLayout::Native && bitmap.Format() == PixelFormat::Argb32;
    for (int x = 0; x < width; ++x) {
        const TColor32 c = bitmap.Color(x, y);
        *out++ = RedOf(c);
        *out++ = GreenOf(c);
        *out++ = BlueOf(c);
        if (alpha) {
            *out++ = AlphaOf(c);
        }
    }
}

} // namespace prismora
