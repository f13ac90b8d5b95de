// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Turning the freshly drawn sprites with the board's own turning and packing the pictures.
#include "turned_pictures.h"

#include "graphics/bitmap32.h"
#include "view/turned_picture_file.h"
#include "view/turned_sprite.h"

namespace prismora::spritegen {
namespace {

// The sprite as the game reads it from its stored form.
void copyInto(const QImage& sprite, Bitmap32& bitmap)
{
    const QImage argb = sprite.convertToFormat(QImage::Format_ARGB32);
    bitmap.setSize(argb.width(), argb.height());
    for (int y = 0; y < argb.height(); ++y) {
        for (int x = 0; x < argb.width(); ++x) {
            bitmap.setPixel(x, y, argb.pixel(x, y));
        }
    }
}

} // namespace

std::optional<QByteArray> turnedPictureFile(const std::vector<QImage>& sprites)
{
    std::vector<QImage> pictures;
    for (const QImage& sprite : sprites) {
        Bitmap32 bitmap;
        copyInto(sprite, bitmap);
        for (int direction = 0; direction < 8; ++direction) {
            pictures.push_back(turnedSpritePicture(bitmap, direction));
        }
    }
    return packTurnedPictures(pictures);
}

} // namespace prismora::spritegen
