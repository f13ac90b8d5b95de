// Windows BMP encoding.
#include "graphics/bmp_writer.h"

namespace prismora {

namespace {

void writeRow(ByteWriter& out, const ExportBitmap& bitmap, int y, std::size_t rowBytes)
{
    std::size_t written = 0;
    for (int x = 0; x < bitmap.Width(); ++x) {
        switch (bitmap.Format()) {
        case PixelFormat::Indexed4:
            if (x % 2 == 1) {
                continue;
            }
            out.U8(unsigned(bitmap.Index(x, y)) << 4 |
                   (x + 1 < bitmap.Width() ? bitmap.Index(x + 1, y) : 0u));
            written += 1;
            break;
        case PixelFormat::Indexed8:
            out.U8(bitmap.Index(x, y));
            written += 1;
            break;
        case PixelFormat::Rgb24:
        case PixelFormat::Argb32: {
            const TColor32 c = bitmap.Color(x, y);
            out.U8(BlueOf(c));
            out.U8(GreenOf(c));
            out.U8(RedOf(c));
            written += 3;
            if (bitmap.Format() == PixelFormat::Argb32) {
                out.U8(AlphaOf(c));
                written += 1;
            }
            break;
        }
        }
    }
    out.Zeros(rowBytes - written);
}

} // namespace

EncodedImage EncodeBmp(const ExportBitmap& bitmap)
{
    const std::size_t bits = std::size_t(bitmap.BitsPerPixel());
    const std::size_t rowBytes = (std::size_t(bitmap.Width()) * bits + 31) / 32 * 4;
    const std::size_t paletteEntries = std::size_t(bitmap.PaletteCapacity());
    const std::size_t dataOffset = 14 + 40 + paletteEntries * 4;
    const std::size_t imageBytes = rowBytes * std::size_t(bitmap.Height());
    EncodedImage result;
    result.Bytes.reserve(dataOffset + imageBytes);
    ByteWriter out(result.Bytes);
    out.Text("BM");
    out.U32(static_cast<std::uint32_t>(dataOffset + imageBytes));
    out.U32(0);
    out.U32(static_cast<std::uint32_t>(dataOffset));
    out.U32(40);
    out.U32(static_cast<std::uint32_t>(bitmap.Width()));
    out.U32(static_cast<std::uint32_t>(bitmap.Height()));
    out.U16(1);
    out.U16(static_cast<unsigned>(bits));
    out.U32(0); // uncompressed
    out.U32(static_cast<std::uint32_t>(imageBytes));
    out.U32(0);
    out.U32(0);
    out.U32(static_cast<std::uint32_t>(paletteEntries));
    out.U32(0);
    for (std::size_t i = 0; i < paletteEntries; ++i) {
        const RgbColor c = bitmap.PaletteEntry(i);
        out.U8(c.Blue);
        out.U8(c.Green);
        out.U8(c.Red);
        out.U8(0);
    }
    for (int y = bitmap.Height() - 1; y >= 0; --y) {
        writeRow(out, bitmap, y, rowBytes);
    }
    return result;
}

} // namespace prismora
