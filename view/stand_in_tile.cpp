// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The question-mark tile for records without a sprite.
#include "view/stand_in_tile.h"

#include <array>

namespace prismora {
namespace {

constexpr int SpriteSize = 48;
constexpr int TileSize = 32;
constexpr int FrameWidth = 2;
constexpr int GlyphScale = 3;

// A question mark, 5 x 7 cells; each cell becomes GlyphScale pixels square.
constexpr std::array<const char*, 7> QuestionMark{
    ".###.", "#...#", "....#", "...#.", "..#..", ".....", "..#..",
};

QImage buildTile()
{
    QImage image(SpriteSize, SpriteSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    const int tileLeft = (SpriteSize - TileSize) / 2;
    for (int y = 0; y < TileSize; ++y) {
        for (int x = 0; x < TileSize; ++x) {
            const bool frame = x < FrameWidth || y < FrameWidth || x >= TileSize - FrameWidth ||
                               y >= TileSize - FrameWidth;
            image.setPixel(tileLeft + x, tileLeft + y, frame ? 0xFF000000 : 0xFFFFFFFF);
        }
    }
    const int glyphWidth = 5 * GlyphScale;
    const int glyphHeight = static_cast<int>(QuestionMark.size()) * GlyphScale;
    const int glyphLeft = (SpriteSize - glyphWidth) / 2;
    const int glyphTop = (SpriteSize - glyphHeight) / 2;
    for (int y = 0; y < glyphHeight; ++y) {
        for (int x = 0; x < glyphWidth; ++x) {
            if (QuestionMark[static_cast<std::size_t>(y / GlyphScale)][x / GlyphScale] == '#') {
                image.setPixel(glyphLeft + x, glyphTop + y, 0xFF000000);
            }
        }
    }
    return image;
}

} // namespace

const QImage& standInTile()
{
    static const QImage tile = buildTile();
    return tile;
}

} // namespace prismora
