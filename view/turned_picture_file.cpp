// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Packing turned sprite pictures as 4-bit standard palette indices, and unpacking them.
#include "view/turned_picture_file.h"

#include "graphics/standard_palette.h"
#include "view/board_geometry.h"

#include <array>

namespace prismora {
namespace {

using geometry::SpriteSize;
constexpr int TransparentIndex = 15; // white, which the board never shows

// The 16 standard colours as opaque pixels, transparent in white's place.
std::array<QRgb, 16> pixelsOfIndices()
{
    std::array<QRgb, 16> pixels{};
    const auto& palette = standardPalette16();
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        pixels[i] = qRgb(palette[i].red, palette[i].green, palette[i].blue);
    }
    pixels[TransparentIndex] = 0;
    return pixels;
}

std::optional<int> indexOf(QRgb pixel, const std::array<QRgb, 16>& pixels)
{
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        if (pixels[i] == pixel) {
            return static_cast<int>(i);
        }
    }
    return std::nullopt;
}

} // namespace

std::optional<QByteArray> packTurnedPictures(const std::vector<QImage>& pictures)
{
    const std::array<QRgb, 16> pixels = pixelsOfIndices();
    QByteArray bytes;
    bytes.reserve(static_cast<qsizetype>(pictures.size()) * PackedTurnedPictureBytes);
    for (const QImage& picture : pictures) {
        if (picture.size() != QSize(SpriteSize, SpriteSize)) {
            return std::nullopt;
        }
        const QImage premultiplied = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
        for (int y = 0; y < SpriteSize; ++y) {
            const auto* row = reinterpret_cast<const QRgb*>(premultiplied.constScanLine(y));
            for (int x = 0; x < SpriteSize; x += 2) {
                const std::optional<int> left = indexOf(row[x], pixels);
                const std::optional<int> right = indexOf(row[x + 1], pixels);
                if (!left || !right) {
                    return std::nullopt;
                }
                bytes.append(static_cast<char>((*left << 4) | *right));
            }
        }
    }
    return bytes;
}

std::optional<CellPicture> unpackTurnedPicture(const QByteArray& bytes, int index)
{
    const qsizetype start = static_cast<qsizetype>(index) * PackedTurnedPictureBytes;
    if (index < 0 || start + PackedTurnedPictureBytes > bytes.size()) {
        return std::nullopt;
    }
    const std::array<QRgb, 16> pixels = pixelsOfIndices();
    const auto* packed = reinterpret_cast<const unsigned char*>(bytes.constData() + start);
    CellPicture picture{QImage(SpriteSize, SpriteSize, QImage::Format_ARGB32_Premultiplied), {}};
    for (int y = 0; y < SpriteSize; ++y) {
        auto* row = reinterpret_cast<QRgb*>(picture.pixels.scanLine(y));
        int spanStart = -1;
        for (int x = 0; x < SpriteSize; ++x) {
            const int colour = x % 2 == 0 ? packed[x / 2] >> 4 : packed[x / 2] & 0x0F;
            row[x] = pixels[static_cast<std::size_t>(colour)];
            const bool isOpaque = colour != TransparentIndex;
            if (isOpaque && spanStart < 0) {
                spanStart = x;
            } else if (!isOpaque && spanStart >= 0) {
                picture.opaque.push_back({y, spanStart, x});
                spanStart = -1;
            }
        }
        if (spanStart >= 0) {
            picture.opaque.push_back({y, spanStart, SpriteSize});
        }
        packed += SpriteSize / 2;
    }
    return picture;
}

} // namespace prismora
