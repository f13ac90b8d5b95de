// Drawing pieces and cannons: sprite choice, turning, 16-colour cell picture, transparent white.
#include "view/piece_drawing.h"

#include "graphics/sprite_rotation.h"
#include "graphics/standard_palette.h"
#include "view/board_geometry.h"
#include "view/cell_picture_cache.h"
#include "view/stand_in_tile.h"

#include <QPainter>

#include <algorithm>
#include <array>

namespace prismora {
namespace {

using geometry::SpriteSize;
constexpr int DiagonalSize = 47;
constexpr Color32 White = 0xFFFFFFFF;
// White, the transparent colour, in the standard palette.
constexpr std::uint8_t WhiteIndex = 15;

// Sprite of each kind 0..15 when dark; -1 for the two sentinel kinds.
constexpr std::array<int, 16> KindSprite{3, 4, 10, 11, 8, 5, 7, 6, -1, -1, 9, 12, 16, 17, 18, 19};
// Lit lamps: red 5 -> 13, green 7 -> 15, blue 6 -> 14, white 19 -> 20.
constexpr int LitLampOffset = 8;
constexpr int LitWhiteLamp = 20;

// The sprite copied into a working bitmap (48 x 48, or its top-left 47 x 47
// for diagonals) and turned `direction` (0..7) steps counter-clockwise.
void TurnSprite(const Bitmap32& sprite, int direction, Bitmap32& working)
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

// The turned picture as the 16-colour cell picture: a 48 x 48 picture whose
// white pixels (and the row and column a 47 x 47 picture leaves free) are
// transparent, every other pixel the nearest standard colour.
QImage CellPicture(const Bitmap32& working)
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

// The cell picture of a sprite turned to `direction` (0..7), made afresh.
QImage TurnedCellPicture(const Bitmap32& sprite, int direction)
{
    Bitmap32 working;
    TurnSprite(sprite, direction, working);
    return CellPicture(working);
}

// Draws `sprite` (or the stand-in tile when there is none) turned to
// `direction` with its top-left corner at the given board pixel.
void drawSpriteAt(QPainter& painter, const BitmapList& sprites, std::optional<int> sprite,
                  std::uint8_t direction, std::int64_t x, std::int64_t y)
{
    // Wholly outside the board (cannons beside it, far-off records from
    // hand-edited files): nothing to see, and the coordinates may not fit an int.
    if (x <= -SpriteSize || y <= -SpriteSize || x >= geometry::BoardPixels ||
        y >= geometry::BoardPixels) {
        return;
    }
    if (!sprite || *sprite < 0 || *sprite >= sprites.count() || sprites.bitmap(*sprite).isEmpty()) {
        painter.drawImage(static_cast<int>(x), static_cast<int>(y), StandInTile());
        return;
    }
    painter.drawImage(static_cast<int>(x), static_cast<int>(y),
                      CachedCellPicture(sprites.bitmap(*sprite), direction % 8, TurnedCellPicture));
}

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

void drawPiece(QPainter& painter, const Piece& piece, bool lit, const BitmapList& sprites)
{
    drawSpriteAt(painter, sprites, spriteIndexForPiece(piece.kind, lit), piece.direction,
                 geometry::spriteCorner(piece.column), geometry::spriteCorner(piece.row));
}

void drawCannon(QPainter& painter, const BeamSource& cannon, const BitmapList& sprites)
{
    drawSpriteAt(painter, sprites, spriteIndexForCannon(cannon.colour), cannon.direction,
                 geometry::spriteCorner(cannon.column), geometry::spriteCorner(cannon.row));
}

} // namespace prismora
