// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

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
            out.u8(0xC0u | unsigned(run));
        }
        out.u8(line[i]);
        i += run;
    }
}

void writeHeader(ByteWriter& out, const ExportBitmap& bitmap, unsigned planes, unsigned lineBytes)
{
    out.u8(10); // manufacturer
    out.u8(5);  // version
    out.u8(1);  // run-length encoding
    out.u8(8);  // bits per pixel and plane
    out.u16(0);
    out.u16(0);
    out.u16(unsigned(bitmap.width() - 1));
    out.u16(unsigned(bitmap.height() - 1));
    out.u16(96);
    out.u16(96);
    for (std::size_t i = 0; i < 16; ++i) {
        const bool header = bitmap.format() == PixelFormat::Indexed4;
        const RgbColor c = header ? bitmap.paletteEntry(i) : RgbColor{};
        out.u8(c.red);
        out.u8(c.green);
        out.u8(c.blue);
    }
    out.u8(0);
    out.u8(planes);
    out.u16(lineBytes);
    out.u16(1); // colour palette
    out.u16(0);
    out.u16(0);
    out.zeros(54);
}

} // namespace

EncodedImage encodePcx(const ExportBitmap& bitmap)
{
    if (bitmap.isEmpty() || bitmap.width() > 65535 || bitmap.height() > 65535) {
        return unsupportedSize("PCX", bitmap.width(), bitmap.height());
    }
    const unsigned planes = bitmap.isIndexed() ? 1 : 3;
    // Lines hold an even number of bytes.
    const unsigned lineBytes = unsigned(bitmap.width() + 1) & ~1u;
    ImageBytes bytes;
    ByteWriter out(bytes);
    writeHeader(out, bitmap, planes, lineBytes);
    std::vector<std::uint8_t> line(lineBytes);
    for (int y = 0; y < bitmap.height(); ++y) {
        for (unsigned plane = 0; plane < planes; ++plane) {
            for (int x = 0; x < bitmap.width(); ++x) {
                const Color32 c = bitmap.color(x, y);
                line[std::size_t(x)] = planes == 1  ? bitmap.index(x, y)
                                       : plane == 0 ? redOf(c)
                                       : plane == 1 ? greenOf(c)
                                                    : blueOf(c);
            }
            encodeLine(out, line);
        }
    }
    if (bitmap.isIndexed()) {
        out.u8(0x0C);
        for (std::size_t i = 0; i < 256; ++i) {
            const RgbColor c = bitmap.paletteEntry(i);
            out.u8(c.red);
            out.u8(c.green);
            out.u8(c.blue);
        }
    }
    return bytes;
}

} // namespace prismora
