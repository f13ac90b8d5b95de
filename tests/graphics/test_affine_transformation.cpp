// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Tests of the affine matrix, its fixed-point inverse, transform() and rotateSprite().
#include "graphics/affine_transformation.h"
#include "graphics/bitmap32.h"
#include "graphics/sprite_rotation.h"

#include <gtest/gtest.h>

namespace prismora {
namespace {

// Runs a test body with one colour variant and restores the start-up choice.
class VariantScope {
public:
    explicit VariantScope(ColorVariant variant) : m_saved(activeColorVariant())
    {
        selectColorVariant(variant);
    }
    ~VariantScope() { selectColorVariant(m_saved); }

private:
    ColorVariant m_saved;
};

void fillPattern(Bitmap32& bitmap)
{
    for (int y = 0; y < bitmap.height(); ++y) {
        for (int x = 0; x < bitmap.width(); ++x) {
            bitmap.setPixel(x, y, 0xFF000000u | Color32(y * 5) << 16 | Color32(x * 5) << 8 | 0x40);
        }
    }
}

TEST(AffineTransformation, OperationsApplyAfterTheMatrix)
{
    AffineTransformation t;
    t.translate(10, 0);
    t.rotate(0, 0, 90);
    // (0, 0) -> (10, 0) -> turned a quarter counter-clockwise on screen -> (0, -10).
    EXPECT_NEAR(t.matrix()[2][0], 0.0f, 1e-5f);
    EXPECT_FLOAT_EQ(t.matrix()[2][1], -10.0f);

    AffineTransformation aboutOrigin;
    aboutOrigin.rotate(0, 0, 30);
    EXPECT_EQ(aboutOrigin.matrix()[2][0], 0.0f);
    EXPECT_EQ(aboutOrigin.matrix()[2][1], 0.0f);
    AffineTransformation aboutPoint;
    aboutPoint.rotate(23, 0, 30);
    EXPECT_NE(aboutPoint.matrix()[2][0], 0.0f);
    EXPECT_NE(aboutPoint.matrix()[2][1], 0.0f);
}

TEST(AffineTransformation, FixedPointInverseAndMapping)
{
    AffineTransformation t;
    t.translate(10, 0);
    EXPECT_FALSE(t.isInverseReady());
    t.prepareInverse();
    EXPECT_TRUE(t.isInverseReady());
    EXPECT_EQ(t.fixedInverse()[2], -40960);
    // Arithmetic shifts round towards minus infinity.
    EXPECT_EQ(t.mapBackInt(0, 0).x, -10);
    EXPECT_EQ(t.mapBackInt(3, 4).y, 4);
    EXPECT_EQ(t.mapBackFixed(11, 0).x, 256);
    t.rotate(0, 0, 5);
    EXPECT_FALSE(t.isInverseReady());

    AffineTransformation singular;
    singular.translate(3, 4);
    singular.scale(0, 1);
    singular.prepareInverse();
    EXPECT_EQ(singular.mapBackInt(7, 9).x, 7);
    EXPECT_EQ(singular.mapBackInt(7, 9).y, 9);
}

TEST(AffineTransformation, MappedBoundsRoundHalfToEven)
{
    AffineTransformation t;
    t.setSourceRect(Rect{0, 0, 47, 47});
    EXPECT_EQ(t.mappedBounds(), (Rect{0, 0, 48, 48}));
    t.setSourceRect(Rect{0, 0, 48, 46});
    EXPECT_EQ(t.mappedBounds(), (Rect{0, 0, 48, 46}));
    t.translate(-1, 0);
    EXPECT_EQ(t.mappedBounds(), (Rect{-2, 0, 48, 46}));
}

TEST(Transform, IdentityBilinearLeavesLastRowAndColumn)
{
    for (ColorVariant variant : {ColorVariant::Portable, ColorVariant::Vector}) {
        VariantScope scope(variant);
        Bitmap32 src;
        src.setSize(9, 7);
        fillPattern(src);
        src.setStretchFilter(StretchFilter::Linear);
        Bitmap32 dst;
        dst.setSize(9, 7);
        dst.clear(0x12345678);
        AffineTransformation t;
        t.setSourceRect(Rect{0, 0, 9, 7});
        transform(dst, src, t);
        for (int y = 0; y < 7; ++y) {
            for (int x = 0; x < 9; ++x) {
                if (x == 8 || y == 6) {
                    EXPECT_EQ(dst.pixel(x, y), 0x12345678u) << x << "," << y;
                } else if (variant == ColorVariant::Portable) {
                    EXPECT_EQ(dst.pixel(x, y), src.pixel(x, y)) << x << "," << y;
                } else {
                    const Color32 top = mixColor32Vector(src.pixel(x, y), src.pixel(x + 1, y), 255);
                    const Color32 bottom =
                        mixColor32Vector(src.pixel(x, y + 1), src.pixel(x + 1, y + 1), 255);
                    EXPECT_EQ(dst.pixel(x, y), mixColor32Vector(top, bottom, 255));
                }
            }
        }
    }
}

TEST(Transform, QuarterTurnMatchesTheExactTurn)
{
    Bitmap32 src;
    src.setSize(47, 47);
    fillPattern(src);
    AffineTransformation t;
    t.setSourceRect(Rect{0, 0, 47, 47});
    t.rotate(23, 23, 90);
    t.prepareInverse();
    Bitmap32 turned;
    turned.assign(src);
    turned.turnCounterClockwise();
    for (int j = 0; j < 47; ++j) {
        for (int i = 0; i < 47; ++i) {
            const auto fixed = t.mapBackFixed(i, j);
            ASSERT_EQ(fixed.x & 255, 0);
            ASSERT_EQ(fixed.y & 255, 0);
            ASSERT_EQ(turned.pixel(i, j), src.pixel(fixed.x >> 8, fixed.y >> 8));
        }
    }
    // Nearest sampling reproduces the turn everywhere.
    Bitmap32 dst;
    dst.setSize(47, 47);
    transform(dst, src, t);
    for (int j = 0; j < 47; ++j) {
        for (int i = 0; i < 47; ++i) {
            ASSERT_EQ(dst.pixel(i, j), turned.pixel(i, j)) << i << "," << j;
        }
    }
}

// Turns an opaque source by 45 degrees about (23, 23) into a bitmap cleared to $00FFFFFF.
void turn45(const Bitmap32& src, Bitmap32& dst)
{
    AffineTransformation t;
    t.setSourceRect(Rect{0, 0, 47, 47});
    t.rotate(23, 23, 45);
    dst.setSize(47, 47);
    dst.clear(0x00FFFFFF);
    transform(dst, src, t);
}

TEST(Transform, DiagonalTurnKeepsCornersAndShowsTheOuterColourBand)
{
    Bitmap32 src;
    src.setSize(47, 47);
    src.clear(0xFFFFFFFF);
    src.setStretchFilter(StretchFilter::Linear);
    AffineTransformation probe;
    probe.setSourceRect(Rect{0, 0, 47, 47});
    probe.rotate(23, 23, 45);
    probe.prepareInverse();

    VariantScope scope(ColorVariant::Vector);
    Bitmap32 dst;
    turn45(src, dst);
    for (int corner : {0, 1, 2, 45, 46}) {
        EXPECT_EQ(dst.pixel(corner, 0), 0x00FFFFFFu);
        EXPECT_EQ(dst.pixel(0, corner), 0x00FFFFFFu);
        EXPECT_EQ(dst.pixel(46, corner), 0x00FFFFFFu);
        EXPECT_EQ(dst.pixel(corner, 46), 0x00FFFFFFu);
    }
    int grey = 0;
    bool sawAA = false;
    for (int j = 0; j < 47; ++j) {
        for (int i = 0; i < 47; ++i) {
            const Color32 c = dst.pixel(i, j);
            const auto p = probe.mapBackFixed(i, j);
            const int x = p.x >> 8;
            const int y = p.y >> 8;
            if (x < -1 || y < -1 || x >= 46 || y >= 46) {
                ASSERT_EQ(c, 0x00FFFFFFu) << i << "," << j;
            } else if (x == -1 || y == -1) {
                ++grey;
                ASSERT_EQ(redOf(c), greenOf(c));
                ASSERT_EQ(redOf(c), blueOf(c));
                ASSERT_LT(redOf(c), 255) << i << "," << j;
                sawAA = sawAA || c == 0xAAAAAAAAu;
            } else {
                ASSERT_EQ(c, 0xFFFFFFFFu) << i << "," << j;
            }
        }
    }
    EXPECT_GT(grey, 20);
    EXPECT_TRUE(sawAA);
    dst.makeOpaque();
    EXPECT_EQ(dst.pixel(0, 0), 0xFFFFFFFFu);
}

TEST(Transform, PortableMixingDimsInterpolatedWhite)
{
    Bitmap32 src;
    src.setSize(47, 47);
    src.clear(0xFFFFFFFF);
    src.setOuterColor(0xFFFFFFFF);
    src.setStretchFilter(StretchFilter::Linear);
    VariantScope scope(ColorVariant::Portable);
    Bitmap32 dst;
    turn45(src, dst);
    int dimmed = 0;
    for (int i = 0; i < 47 * 47; ++i) {
        const Color32 c = dst.bits()[i];
        if (c == 0x00FFFFFFu || c == 0xFFFFFFFFu) {
            continue;
        }
        ASSERT_TRUE(c == 0xFDFDFDFDu || c == 0xFEFEFEFEu) << std::hex << c;
        ++dimmed;
    }
    EXPECT_GT(dimmed, 0);
}

TEST(Transform, EmptyOverlapLeavesTheDestinationAlone)
{
    Bitmap32 src;
    src.setSize(10, 10);
    src.clear(0xFF000000);
    Bitmap32 dst;
    dst.setSize(10, 10);
    dst.clear(0xFF00FF00);
    int changes = 0;
    dst.onChange = [&] { ++changes; };
    AffineTransformation t;
    t.setSourceRect(Rect{0, 0, 10, 10});
    t.translate(100, 0);
    transform(dst, src, t);
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(dst.pixel(5, 5), 0xFF00FF00u);
}

TEST(RotateSprite, TurnsAboutTheCentreAndEndsOpaque)
{
    Bitmap32 sprite;
    sprite.setSize(47, 47);
    sprite.clear(0xFFFFFFFF);
    for (int y = 13; y < 34; ++y) {
        for (int x = 13; x < 34; ++x) {
            sprite.setPixel(x, y, 0xFF800000);
        }
    }
    sprite.setPixel(40, 23, 0xFF0000FF); // a blue mark east of the centre
    sprite.setDrawMode(DrawMode::Opaque);
    rotateSprite(sprite, 90);
    EXPECT_EQ(sprite.width(), 47);
    EXPECT_EQ(sprite.stretchFilter(), StretchFilter::Linear);
    for (int i = 0; i < 47 * 47; ++i) {
        ASSERT_EQ(alphaOf(sprite.bits()[i]), 255);
    }
    EXPECT_EQ(sprite.pixel(23, 23), 0xFF800000u);
    // Counter-clockwise: the mark east of the centre now stands north of it.
    EXPECT_GT(blueOf(sprite.pixel(23, 6)), 200);
    EXPECT_LT(redOf(sprite.pixel(23, 6)), 60);
    // The last column and row of the source are never sampled.
    EXPECT_EQ(sprite.pixel(46, 46), 0xFFFFFFFFu);

    rotateSprite(sprite, 45);
    EXPECT_EQ(sprite.pixel(0, 0), 0xFFFFFFFFu);
    EXPECT_EQ(sprite.pixel(23, 23), 0xFF800000u);

    // A working bitmap left empty (a direction out of range) stays empty.
    Bitmap32 empty;
    rotateSprite(empty, 135);
    EXPECT_TRUE(empty.isEmpty());
}

} // namespace
} // namespace prismora
