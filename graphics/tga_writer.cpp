// Truevision TGA encoding.
#include "graphics/tga_writer.h"

#include <string>

namespace prismora {

namespace {

void writeHeader(ByteWriter& out, const ExportBitmap& bitmap)
{
    const bool indexed = bitmap.IsIndexed();
    const bool alpha = bitmap.Format() == PixelFormat::Argb32;
    out.U8(0);               // no image id
    out.U8(indexed ? 1 : 0); // colour map present
    out.U8(indexed ? 1 : 2); // uncompressed colour-mapped or true colour
    out.U16(0);
    out.U16(indexed ? unsigned(bitmap.PaletteCapacity()) : 0u);
    out.U8(indexed ? 24 : 0);
    out.U16(0);
    out.U16(0);
    out.U16(unsigned(bitmap.Width()));
    out.U16(unsigned(bitmap.Height()));
    out.U8(indexed ? 8 : alpha ? 32 : 24);
    // Alpha bits, and bit 5: rows run from the top (readers that ignore the
    // origin field otherwise show the picture upside down).
    out.U8((alpha ? 8u : 0u) | 0x20u);
}

} // namespace

EncodedImage EncodeTga(const ExportBitmap& bitmap)
{
    EncodedImage result;
    if (bitmap.Empty() || bitmap.Width() > 65535 || bitmap.Height() > 65535) {
        return UnsupportedSize("TGA", bitmap.Width(), bitmap.Height());
    }
    ByteWriter out(result.Bytes);
    writeHeader(out, bitmap);
    for (int i = 0; i < bitmap.PaletteCapacity(); ++i) {
        const RgbColor c = bitmap.PaletteEntry(std::size_t(i));
        out.U8(c.Blue);
        out.U8(c.Green);
        out.U8(c.Red);
    }
    for (int y = 0; y < bitmap.Height(); ++y) {
        for (int x = 0; x < bitmap.Width(); ++x) {
            if (bitmap.IsIndexed()) {
                out.U8(bitmap.Index(x, y));
                continue;
            }
            const TColor32 c = bitmap.Color(x, y);
            out.U8(BlueOf(c));
            out.U8(GreenOf(c));
            out.U8(RedOf(c));
            if (bitmap.Format() == PixelFormat::Argb32) {
                out.U8(AlphaOf(c));
            }
        }
    }
    out.U32(0); // extension area offset
    out.U32(0); // developer area offset
    out.Text("TRUEVISION-XFILE.");
    out.U8(0);
    return result;
}

} // namespace prismora
