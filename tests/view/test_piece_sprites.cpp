// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Sprite choice by kind, lit state and cannon colour, the loaded sprite set, and beam colours.
#include "view/beam_pen.h"
#include "view/board_render.h"
#include "view/piece_drawing.h"
#include "view/sprite_set.h"
#include "view/turned_sprite.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace prismora {
namespace {

std::optional<int> pieceSprite(int kind, bool lit)
{
    return spriteIndexForPiece(static_cast<PieceKind>(kind), lit);
}

TEST(PieceSprites, KindAndLitStateChooseTheSprite)
{
    const int dark[16] = {3, 4, 10, 11, 8, 5, 7, 6, -1, -1, 9, 12, 16, 17, 18, 19};
    const int lit[16] = {3, 4, 10, 11, 8, 13, 15, 14, -1, -1, 9, 12, 16, 17, 18, 20};
    for (int kind = 0; kind < 16; ++kind) {
        EXPECT_EQ(pieceSprite(kind, false).value_or(-1), dark[kind]) << kind;
        EXPECT_EQ(pieceSprite(kind, true).value_or(-1), lit[kind]) << kind;
    }
    for (int kind : {16, 99, 255}) {
        EXPECT_FALSE(pieceSprite(kind, false)) << kind;
        EXPECT_FALSE(pieceSprite(kind, true)) << kind;
    }
}

TEST(PieceSprites, CannonColourChoosesTheSpriteWithBlueAndGreenCrossed)
{
    const std::pair<std::int32_t, int> known[] = {{RedBeam, 0}, {BlueBeam, 1}, {GreenBeam, 2}};
    for (const auto& [colour, sprite] : known) {
        EXPECT_EQ(spriteIndexForCannon(colour), sprite) << colour;
    }
    for (std::int32_t colour : {0, WhiteBeam, -1, 0x01000000 | RedBeam}) {
        EXPECT_FALSE(spriteIndexForCannon(colour)) << colour;
    }
}

TEST(PieceSprites, TheCompiledInSetHoldsTwentyOneOpaqueSpritesOnWhite)
{
    const BitmapList& sprites = standardSprites();
    ASSERT_EQ(sprites.count(), StandardSpriteCount);
    for (int i = 0; i < StandardSpriteCount; ++i) {
        const Bitmap32& sprite = sprites.bitmap(i);
        ASSERT_EQ(sprite.width(), 48) << i;
        ASSERT_EQ(sprite.height(), 48) << i;
        EXPECT_EQ(sprite.guardedPixel(-1, 0), (i >= 17 && i <= 19) ? 0u : 0xFFFFFFFFu) << i;
        if (i != 9) {
            EXPECT_EQ(sprite.pixel(0, 0), 0xFFFFFFFFu) << i;
        }
    }
    EXPECT_EQ(standardWallpaper().size(), QSize(256, 256));
}

TEST(PieceSprites, TheCompiledInTurnedPicturesAreTheSpritesTurnedNow)
{
    const BitmapList& sprites = standardSprites();
    for (int i = 0; i < StandardSpriteCount; ++i) {
        for (int direction = 0; direction < 8; ++direction) {
            const CellPicture* kept = standardCellPicture(sprites.bitmap(i), direction);
            ASSERT_NE(kept, nullptr) << i;
            EXPECT_EQ(kept->pixels, turnedSpritePicture(sprites.bitmap(i), direction))
                << "sprite " << i << " direction " << direction
                << ": regenerate resources with spritegen";
        }
    }
    Bitmap32 copy;
    copy.assign(sprites.bitmap(3));
    EXPECT_EQ(standardCellPicture(copy, 0), nullptr) << "only the set's own sprites";
}

TEST(PieceSprites, ChangedSpritePixelsShowInTheNextPaint)
{
    BitmapList sprites;
    for (int i = 0; i < StandardSpriteCount; ++i) {
        sprites.add().setBitmap(standardSprites().bitmap(i));
    }
    Level level;
    appendPiece(level, PieceKind::Mirror, 5, 5, 1);
    const Evaluation evaluation = evaluate(level);
    const QImage before = renderBoard(level, evaluation, sprites);
    EXPECT_EQ(before, renderBoard(level, evaluation, standardSprites()));
    sprites.bitmap(3).clear(0xFF000000);
    const QImage after = renderBoard(level, evaluation, sprites);
    // An all-black square turned 45 degrees: black middle, corners left to the board.
    EXPECT_EQ(after.pixel(226, 226), qRgb(0, 0, 0));
    EXPECT_EQ(after.pixel(226, 204), qRgb(0, 0, 0));
    EXPECT_EQ(after.pixel(203, 203), qRgb(0xC0, 0xC0, 0xC0));
    EXPECT_NE(before, after);
}

TEST(PieceSprites, RenderedBoardConvertsToAnExportBitmap)
{
    Level level;
    appendCannon(level, 1, 5, 0, GreenBeam);
    const QImage image = renderBoard(level, evaluate(level), standardSprites());
    const ExportBitmap bitmap = toExportBitmap(image);
    ASSERT_EQ(bitmap.width(), 451);
    ASSERT_EQ(bitmap.height(), 451);
    EXPECT_EQ(bitmap.format(), PixelFormat::Rgb24);
    for (const QPoint p : {QPoint(25, 25), QPoint(0, 0), QPoint(300, 226), QPoint(10, 226)}) {
        EXPECT_EQ(bitmap.color(p.x(), p.y()), image.pixel(p)) << p.x() << "," << p.y();
    }
}

TEST(BeamColours, WindowsValuesHaveRedInTheLowByte)
{
    EXPECT_EQ(qColorOfLevelColour(RedBeam), QColor(255, 0, 0));
    EXPECT_EQ(qColorOfLevelColour(GreenBeam), QColor(0, 255, 0));
    EXPECT_EQ(qColorOfLevelColour(BlueBeam), QColor(0, 0, 255));
    EXPECT_EQ(qColorOfLevelColour(0x00123456), QColor(0x56, 0x34, 0x12));
    EXPECT_EQ(qColorOfLevelColour(-1), QColor(255, 255, 255));
}

TEST(BeamColours, SegmentsFarOffTheBoardAreClippedOrSkipped)
{
    QImage image(451, 451, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    BeamPainter beams(painter);
    // The farthest a beam can reach: one step past a 32-bit cell number.
    constexpr std::int64_t Far = std::int64_t(1) << 31;
    beams.drawSegment({-Far, 5, Far, 5, RedBeam});
    beams.drawSegment({Far, Far, Far + 1, Far + 1, GreenBeam});
    beams.drawSegment({-Far, -Far, Far, Far, BlueBeam});
    painter.end();
    EXPECT_EQ(image.pixelColor(0, 226), QColor(255, 0, 0));
    EXPECT_EQ(image.pixelColor(450, 226), QColor(255, 0, 0));
    EXPECT_EQ(image.pixelColor(100, 100), QColor(0, 0, 255)); // the full diagonal
    EXPECT_EQ(image.pixelColor(100, 300), QColor(0, 0, 0));
}

} // namespace
} // namespace prismora
