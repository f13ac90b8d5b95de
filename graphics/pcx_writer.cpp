// PCX encoding with run-length compression.
#include "graphics/pcx_writer.h"

#include <string>

namespace prismora {

namespace {

// Runs of up to 63 equal bytes; a single byte of 192 or more needs a count too.
void encodeLine(ByteWriter& out, const std::vector<std::uint8_t>& line)
{
    std::size_t i = 0;
    while (i < line.size()) {
        std::size_t run = 1;
        while (i + run < line.size() && run < 63 && line[i + run] == line[i]) {
            ++run;
        }
        if (run > 1 || line[i] >= 0xC0) {
            out.U8(0xC0u | unsigned(run));
        }
        out.U8(line[i]);
        i += run;
    }
}

void writeHeader(ByteWriter& out, const ExportBitmap& bitmap, unsigned planes, unsigned lineBytes)
{
    out.U8(10); // manufacturer
    out.U8(5);  // version
    out.U8(1);  // run-length encoding
    out.U8(8);  // bits per pixel and plane
    out.U16(0);
    out.U16(0);
    out.U16(unsigned(bitmap.Width() - 1));
    out.U16(unsigned(bitmap.Height() - 1));
    out.U16(96);
    out.U16(96);
    for (std::size_t i = 0; i < 16; ++i) {
        const bool header = bitmap.Format() == PixelFormat::Indexed4;
        const RgbColor c = header ? bitmap.PaletteEntry(i) : RgbColor{};
        out.U8(c.Red);
        out.U8(c.Green);
        out.U8(c.Blue);
    }
    out.U8(0);
    out.U8(planes);
    out.U16(lineBytes);
    out.U16(1); // colour palette
    out.U16(0);
    out.U16(0);
    out.Zeros(54);
}

} // namespace

EncodedImage EncodePcx(const ExportBitmap& bitmap)
{
    EncodedImage result;
    if (bitmap.Empty() || bitmap.Width() > 65535 || bitmap.Height() > 65535) {
        return UnsupportedSize("PCX", bitmap.Width(), bitmap.Height());
    }
    const unsigned planes = bitmap.IsIndexed() ? 1 : 3;
    // Lines hold an even number of bytes.
    const unsigned lineBytes = unsigned(bitmap.Width() + 1) & ~1u;
    ByteWriter out(result.Bytes);
    writeHeader(out, bitmap, planes, lineBytes);
    std::vector<std::uint8_t> line(lineBytes);
    for (int y = 0; y < bitmap.Height(); ++y) {
        for (unsigned plane = 0; plane < planes; ++plane) {
            for (int x = 0; x < bitmap.Width(); ++x) {
                const TColor32 c = bitmap.Color(x, y);
                line[std::size_t(x)] = planes == 1  ? bitmap.Index(x, y)
                                       : plane == 0 ? RedOf(c)
                                       : plane == 1 ? GreenOf(c)
                                                    : BlueOf(c);
            }
            encodeLine(out, line);
        }
    }
    if (bitmap.IsIndexed()) {
        out.U8(0x0C);
        for (std::size_t i = 0; i < 256; ++i) {
            const RgbColor c = bitmap.PaletteEntry(i);
            out.U8(c.Red);
            out.U8(c.Green);
            out.U8(c.Blue);
        }
    }
    return result;
}

} // namespace prismora
