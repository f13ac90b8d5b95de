// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Drawing pieces and cannons: sprite choice, the turned cell picture, laid with white transparent.
#include "view/piece_drawing.h"

#include "view/board_geometry.h"
#include "view/cell_picture_cache.h"
#include "view/sprite_set.h"
#include "view/stand_in_tile.h"
#include "view/turned_sprite.h"

#include <QPainter>

#include <array>
#include <map>

namespace prismora {
namespace {

using geometry::SpriteSize;

// Sprite of each kind 0..15 when dark; -1 for the two sentinel kinds.
constexpr std::array<int, 16> KindSprite{3, 4, 10, 11, 8, 5, 7, 6, -1, -1, 9, 12, 16, 17, 18, 19};
// Lit lamps: red 5 -> 13, green 7 -> 15, blue 6 -> 14, white 19 -> 20.
constexpr int LitLampOffset = 8;
constexpr int LitWhiteLamp = 20;

const CellPicture& turnedPicture(const Bitmap32& sprite, int direction, int scale);

CellPicture makeTurnedPicture(const Bitmap32& sprite, int direction, int scale)
{
    if (scale == 1) {
        return makeCellPicture(turnedSpritePicture(sprite, direction));
    }
    return enlargedCellPicture(turnedPicture(sprite, direction, 1), scale);
}

const CellPicture& turnedPicture(const Bitmap32& sprite, int direction, int scale)
{
    if (scale == 1) {
        if (const CellPicture* standard = standardCellPicture(sprite, direction)) {
            return *standard;
        }
    }
    return cachedCellPicture(sprite, direction, scale, makeTurnedPicture);
}

const CellPicture& standInPicture(int scale)
{
    thread_local std::map<int, CellPicture> pictures;
    auto found = pictures.find(scale);
    if (found == pictures.end()) {
        const CellPicture tile = makeCellPicture(standInTile());
        found = pictures.emplace(scale, scale == 1 ? tile : enlargedCellPicture(tile, scale)).first;
    }
    return found->second;
}

// The picture of `sprite` (or the stand-in tile when there is none) turned to
// `direction`, or null when a record with its top-left corner at the given
// board pixel is wholly outside the board (cannons beside it, far-off records
// from hand-edited files, whose coordinates may not even fit an int).
const CellPicture* pictureAt(const BitmapList& sprites, std::optional<int> sprite,
                             std::uint8_t direction, std::int64_t x, std::int64_t y, int scale)
{
    if (x <= -SpriteSize || y <= -SpriteSize || x >= geometry::BoardPixels ||
        y >= geometry::BoardPixels) {
        return nullptr;
    }
    if (!sprite || *sprite < 0 || *sprite >= sprites.count() || sprites.bitmap(*sprite).isEmpty()) {
        return &standInPicture(scale);
    }
    return &turnedPicture(sprites.bitmap(*sprite), direction % 8, scale);
}

void drawAt(PixelWriter& writer, const CellPicture* picture, std::int64_t x, std::int64_t y,
            int scale)
{
    if (picture != nullptr) {
        writer.copyShape(picture->opaque, picture->pixels, x * scale, y * scale);
    }
}

void drawAt(QPainter& painter, const CellPicture* picture, std::int64_t x, std::int64_t y)
{
    if (picture != nullptr) {
        painter.drawImage(static_cast<int>(x), static_cast<int>(y), picture->pixels);
    }
}

std::int64_t corner(std::int32_t cell) { return geometry::spriteCorner(cell); }

} // namespace

std::optional<int> spriteIndexForPiece(PieceKind kind, bool lit)
{
    const auto code = static_cast<std::size_t>(kind);
    if (code >= KindSprite.size() || KindSprite[code] < 0) {
        return std::nullopt;
    }
    if (lit && kind == PieceKind::WhiteLamp) {
        return LitWhiteLamp;
    }
    const bool litLamp = lit && (kind == PieceKind::RedLamp || kind == PieceKind::GreenLamp ||
                                 kind == PieceKind::BlueLamp);
    return KindSprite[code] + (litLamp ? LitLampOffset : 0);
}

std::optional<int> spriteIndexForCannon(std::int32_t colour)
{
    switch (colour) {
    case RedBeam:
        return 0;
    case BlueBeam:
        return 1;
    case GreenBeam:
        return 2;
    default:
        return std::nullopt;
    }
}

void drawPiece(PixelWriter& writer, const Piece& piece, bool lit, const BitmapList& sprites,
               int scale)
{
    const std::int64_t x = corner(piece.column);
    const std::int64_t y = corner(piece.row);
    drawAt(writer,
           pictureAt(sprites, spriteIndexForPiece(piece.kind, lit), piece.direction, x, y, scale),
           x, y, scale);
}

void drawCannon(PixelWriter& writer, const BeamSource& cannon, const BitmapList& sprites, int scale)
{
    const std::int64_t x = corner(cannon.column);
    const std::int64_t y = corner(cannon.row);
    drawAt(writer,
           pictureAt(sprites, spriteIndexForCannon(cannon.colour), cannon.direction, x, y, scale),
           x, y, scale);
}

void drawPiece(QPainter& painter, const Piece& piece, bool lit, const BitmapList& sprites)
{
    const std::int64_t x = corner(piece.column);
    const std::int64_t y = corner(piece.row);
    drawAt(painter,
           pictureAt(sprites, spriteIndexForPiece(piece.kind, lit), piece.direction, x, y, 1), x,
           y);
}

void drawCannon(QPainter& painter, const BeamSource& cannon, const BitmapList& sprites)
{
    const std::int64_t x = corner(cannon.column);
    const std::int64_t y = corner(cannon.row);
    drawAt(painter,
           pictureAt(sprites, spriteIndexForCannon(cannon.colour), cannon.direction, x, y, 1), x,
           y);
}

} // namespace prismora
