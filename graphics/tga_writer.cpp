// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Truevision TGA encoding.
#include "graphics/tga_writer.h"

#include <string>

namespace prismora {

namespace {

void writeHeader(ByteWriter& out, const ExportBitmap& bitmap)
{
    const bool indexed = bitmap.isIndexed();
    const bool alpha = bitmap.format() == PixelFormat::Argb32;
    out.u8(0);               // no image id
    out.u8(indexed ? 1 : 0); // colour map present
    out.u8(indexed ? 1 : 2); // uncompressed colour-mapped or true colour
    out.u16(0);
    out.u16(indexed ? unsigned(bitmap.paletteCapacity()) : 0u);
    out.u8(indexed ? 24 : 0);
    out.u16(0);
    out.u16(0);
    out.u16(unsigned(bitmap.width()));
    out.u16(unsigned(bitmap.height()));
    out.u8(indexed ? 8 : alpha ? 32 : 24);
    // Alpha bits, and bit 5: rows run from the top (readers that ignore the
    // origin field otherwise show the picture upside down).
    out.u8((alpha ? 8u : 0u) | 0x20u);
}

} // namespace

EncodedImage encodeTga(const ExportBitmap& bitmap)
{
    if (bitmap.isEmpty() || bitmap.width() > 65535 || bitmap.height() > 65535) {
        return unsupportedSize("TGA", bitmap.width(), bitmap.height());
    }
    ImageBytes bytes;
    ByteWriter out(bytes);
    writeHeader(out, bitmap);
    for (int i = 0; i < bitmap.paletteCapacity(); ++i) {
        const RgbColor c = bitmap.paletteEntry(std::size_t(i));
        out.u8(c.blue);
        out.u8(c.green);
        out.u8(c.red);
    }
    for (int y = 0; y < bitmap.height(); ++y) {
        for (int x = 0; x < bitmap.width(); ++x) {
            if (bitmap.isIndexed()) {
                out.u8(bitmap.index(x, y));
                continue;
            }
            const Color32 c = bitmap.color(x, y);
            out.u8(blueOf(c));
            out.u8(greenOf(c));
            out.u8(redOf(c));
            if (bitmap.format() == PixelFormat::Argb32) {
                out.u8(alphaOf(c));
            }
        }
    }
    out.u32(0); // extension area offset
    out.u32(0); // developer area offset
    out.text("TRUEVISION-XFILE.");
    out.u8(0);
    return bytes;
}

} // namespace prismora
