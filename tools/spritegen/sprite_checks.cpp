// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Checks every generated sprite against the rules the game relies on.
#include "sprite_checks.h"

#include "canvas.h"
#include "standard_colours.h"

#include <algorithm>

namespace prismora::spritegen {

namespace {

constexpr std::size_t SpriteCount = 21;
constexpr std::size_t ObstacleIndex = 9;

bool isStandard(QRgb colour)
{
    return std::find(StandardColours.begin(), StandardColours.end(), colour) !=
           StandardColours.end();
}

bool onBorder(int x, int y)
{
    return x == 0 || y == 0 || x == SpriteSize - 1 || y == SpriteSize - 1;
}

// The first fault of one sprite, or an empty string.
QString spriteFault(const QImage& sprite, std::size_t index)
{
    if (sprite.size() != QSize(SpriteSize, SpriteSize)) {
        return "is not 48 x 48";
    }
    for (int y = 0; y < SpriteSize; ++y) {
        for (int x = 0; x < SpriteSize; ++x) {
            const QRgb colour = sprite.pixel(x, y);
            const QString where = QString(" at (%1, %2)").arg(x).arg(y);
            if (qAlpha(colour) != 255 || !isStandard(colour)) {
                return "has a colour outside the standard set" + where;
            }
            if (index == ObstacleIndex && colour == White) {
                return "has a white pixel" + where;
            }
            if (index != ObstacleIndex && onBorder(x, y) && colour != White) {
                return "touches the edge" + where;
            }
        }
    }
    return {};
}

} // namespace

std::vector<QString> checkSprites(const std::vector<QImage>& sprites)
{
    std::vector<QString> faults;
    if (sprites.size() != SpriteCount) {
        faults.push_back(QString("%1 sprites instead of 21").arg(sprites.size()));
    }
    for (std::size_t i = 0; i < sprites.size(); ++i) {
        const QString fault = spriteFault(sprites[i], i);
        if (!fault.isEmpty()) {
            faults.push_back(QString("sprite %1 %2").arg(i).arg(fault));
        }
    }
    return faults;
}

} // namespace prismora::spritegen
