// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Windows BMP encoding.
#include "graphics/bmp_writer.h"

namespace prismora {

namespace {

void writeRow(ByteWriter& out, const ExportBitmap& bitmap, int y, std::size_t rowBytes)
{
    std::size_t written = 0;
    for (int x = 0; x < bitmap.width(); ++x) {
        switch (bitmap.format()) {
        case PixelFormat::Indexed4:
            if (x % 2 == 1) {
                continue;
            }
            out.u8(unsigned(bitmap.index(x, y)) << 4 |
                   (x + 1 < bitmap.width() ? bitmap.index(x + 1, y) : 0u));
            written += 1;
            break;
        case PixelFormat::Indexed8:
            out.u8(bitmap.index(x, y));
            written += 1;
            break;
        case PixelFormat::Rgb24:
        case PixelFormat::Argb32: {
            const Color32 c = bitmap.color(x, y);
            out.u8(blueOf(c));
            out.u8(greenOf(c));
            out.u8(redOf(c));
            written += 3;
            if (bitmap.format() == PixelFormat::Argb32) {
                out.u8(alphaOf(c));
                written += 1;
            }
            break;
        }
        }
    }
    out.zeros(rowBytes - written);
}

} // namespace

EncodedImage encodeBmp(const ExportBitmap& bitmap)
{
    const std::size_t bits = std::size_t(bitmap.bitsPerPixel());
    const std::size_t rowBytes = (std::size_t(bitmap.width()) * bits + 31) / 32 * 4;
    const std::size_t paletteEntries = std::size_t(bitmap.paletteCapacity());
    const std::size_t dataOffset = 14 + 40 + paletteEntries * 4;
    const std::size_t imageBytes = rowBytes * std::size_t(bitmap.height());
    ImageBytes bytes;
    bytes.reserve(dataOffset + imageBytes);
    ByteWriter out(bytes);
    out.text("BM");
    out.u32(static_cast<std::uint32_t>(dataOffset + imageBytes));
    out.u32(0);
    out.u32(static_cast<std::uint32_t>(dataOffset));
    out.u32(40);
    out.u32(static_cast<std::uint32_t>(bitmap.width()));
    out.u32(static_cast<std::uint32_t>(bitmap.height()));
    out.u16(1);
    out.u16(static_cast<unsigned>(bits));
    out.u32(0); // uncompressed
    out.u32(static_cast<std::uint32_t>(imageBytes));
    out.u32(0);
    out.u32(0);
    out.u32(static_cast<std::uint32_t>(paletteEntries));
    out.u32(0);
    for (std::size_t i = 0; i < paletteEntries; ++i) {
        const RgbColor c = bitmap.paletteEntry(i);
        out.u8(c.blue);
        out.u8(c.green);
        out.u8(c.red);
        out.u8(0);
    }
    for (int y = bitmap.height() - 1; y >= 0; --y) {
        writeRow(out, bitmap, y, rowBytes);
    }
    return bytes;
}

} // namespace prismora
