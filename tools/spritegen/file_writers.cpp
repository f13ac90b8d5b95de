// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Writing the stored 32-bit form and 8-bit BMP files, byte by byte so they reproduce exactly.
#include "file_writers.h"

#include <QByteArray>
#include <QFile>

#include <cstdint>

namespace prismora::spritegen {

namespace {

void put16(QByteArray& out, std::uint16_t value)
{
    out.append(static_cast<char>(value & 0xFF));
    out.append(static_cast<char>(value >> 8));
}

void put32(QByteArray& out, std::uint32_t value)
{
    for (int shift = 0; shift < 32; shift += 8) {
        out.append(static_cast<char>((value >> shift) & 0xFF));
    }
}

} // namespace

bool writeFile(const QByteArray& bytes, const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        return false;
    }
    return file.write(bytes) == bytes.size() && file.flush();
}

bool writeStored32(const QImage& image, const QString& path)
{
    QByteArray out;
    put32(out, static_cast<std::uint32_t>(image.width()));
    put32(out, static_cast<std::uint32_t>(image.height()));
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            put32(out, image.pixel(x, y));
        }
    }
    return writeFile(out, path);
}

bool writeBmp8(const QImage& image, const QString& path)
{
    if (image.format() != QImage::Format_Indexed8 || image.colorCount() != 256 ||
        image.width() % 4 != 0) {
        return false;
    }
    constexpr std::uint32_t headerBytes = 14 + 40 + 256 * 4;
    const auto pixelBytes = static_cast<std::uint32_t>(image.width() * image.height());
    QByteArray out;
    out.append("BM");
    put32(out, headerBytes + pixelBytes);
    put32(out, 0); // reserved
    put32(out, headerBytes);
    put32(out, 40);
    put32(out, static_cast<std::uint32_t>(image.width()));
    put32(out, static_cast<std::uint32_t>(image.height())); // positive: bottom-up rows
    put16(out, 1);                                          // planes
    put16(out, 8);                                          // bits per pixel
    put32(out, 0);                                          // uncompressed
    put32(out, pixelBytes);
    put32(out, 2835); // 72 dots per inch, both ways
    put32(out, 2835);
    put32(out, 256); // colours used
    put32(out, 0);   // all colours important
    for (int i = 0; i < 256; ++i) {
        put32(out, image.color(i) & 0x00FFFFFF); // blue, green, red, reserved 0
    }
    for (int y = image.height() - 1; y >= 0; --y) {
        out.append(reinterpret_cast<const char*>(image.constScanLine(y)), image.width());
    }
    return writeFile(out, path);
}

} // namespace prismora::spritegen
