// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Turning a sprite to a direction and reducing it to the 16 standard colours.
#include "view/turned_sprite.h"

#include "graphics/sprite_rotation.h"
#include "graphics/standard_palette.h"
#include "view/board_geometry.h"

#include <algorithm>

namespace prismora {
namespace {

using geometry::SpriteSize;
constexpr int DiagonalSize = 47;
constexpr Color32 White = 0xFFFFFFFF;
// White, the transparent colour, in the standard palette.
constexpr std::uint8_t WhiteIndex = 15;

void turnSprite(const Bitmap32& sprite, int direction, Bitmap32& working)
{
    const int size = direction % 2 == 0 ? SpriteSize : DiagonalSize;
    working.setSize(size, size);
    working.clear(White);
    sprite.drawOnto(working);
    switch (direction) {
    case 0:
        break;
    case 2:
        working.turnCounterClockwise();
        break;
    case 4:
        working.turnHalf();
        break;
    case 6:
        working.turnClockwise();
        break;
    default:
        rotateSprite(working, direction * 45);
        break;
    }
}

QImage reducedPicture(const Bitmap32& working)
{
    const ExportBitmap reduced =
        reduceToStandard16(working.bits(), working.width(), working.height());
    const auto& palette = standardPalette16();
    QImage picture(SpriteSize, SpriteSize, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    const int width = std::min(reduced.width(), SpriteSize);
    const int height = std::min(reduced.height(), SpriteSize);
    for (int y = 0; y < height; ++y) {
        auto* target = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const std::uint8_t index = reduced.index(x, y);
            if (index != WhiteIndex) {
                const RgbColor& c = palette[index];
                target[x] = qRgb(c.red, c.green, c.blue);
            }
        }
    }
    return picture;
}

} // namespace

QImage turnedSpritePicture(const Bitmap32& sprite, int direction)
{
    Bitmap32 working;
    turnSprite(sprite, direction, working);
    return reducedPicture(working);
}

} // namespace prismora
