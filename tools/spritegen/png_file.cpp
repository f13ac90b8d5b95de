// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A minimal PNG encoder: signature, IHDR, one IDAT and IEND, with their CRCs.
#include "png_file.h"

#include <array>
#include <cstdint>

namespace prismora::spritegen {

namespace {

std::uint32_t crc32(const QByteArray& bytes)
{
    static const std::array<std::uint32_t, 256> table = [] {
        std::array<std::uint32_t, 256> entries{};
        for (std::uint32_t n = 0; n < 256; ++n) {
            std::uint32_t c = n;
            for (int k = 0; k < 8; ++k) {
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            }
            entries[n] = c;
        }
        return entries;
    }();
    std::uint32_t crc = 0xFFFFFFFFu;
    for (const char byte : bytes) {
        crc = table[(crc ^ static_cast<std::uint8_t>(byte)) & 0xFF] ^ (crc >> 8);
    }
    return crc ^ 0xFFFFFFFFu;
}

void putBigEndian32(QByteArray& out, std::uint32_t value)
{
    for (int shift = 24; shift >= 0; shift -= 8) {
        out.append(static_cast<char>((value >> shift) & 0xFF));
    }
}

void putChunk(QByteArray& out, const char* type, const QByteArray& data)
{
    const QByteArray typed = QByteArray(type) + data;
    putBigEndian32(out, static_cast<std::uint32_t>(data.size()));
    out.append(typed);
    putBigEndian32(out, crc32(typed));
}

} // namespace

QByteArray encodePng(const QImage& image)
{
    const QImage pixels = image.convertToFormat(QImage::Format_ARGB32);
    QByteArray header;
    putBigEndian32(header, static_cast<std::uint32_t>(pixels.width()));
    putBigEndian32(header, static_cast<std::uint32_t>(pixels.height()));
    header.append("\x08\x06\x00\x00\x00",
                  5); // 8 bits, RGBA, deflate, no filter choice, no interlace

    QByteArray rows;
    rows.reserve(pixels.height() * (1 + 4 * pixels.width()));
    for (int y = 0; y < pixels.height(); ++y) {
        rows.append('\0'); // filter type None
        for (int x = 0; x < pixels.width(); ++x) {
            const QRgb pixel = pixels.pixel(x, y);
            rows.append(static_cast<char>(qRed(pixel)));
            rows.append(static_cast<char>(qGreen(pixel)));
            rows.append(static_cast<char>(qBlue(pixel)));
            rows.append(static_cast<char>(qAlpha(pixel)));
        }
    }
    // qCompress puts the uncompressed length before the zlib stream; PNG wants the stream alone.
    const QByteArray compressed = qCompress(rows, 9).mid(4);

    QByteArray out("\x89PNG\r\n\x1a\n", 8);
    putChunk(out, "IHDR", header);
    putChunk(out, "IDAT", compressed);
    putChunk(out, "IEND", {});
    return out;
}

} // namespace prismora::spritegen
