// Tests of the affine matrix, its fixed-point inverse, Transform and RotateSprite.
#include "graphics/affine_transformation.h"
#include "graphics/bitmap32.h"
#include "graphics/sprite_rotation.h"

#include <gtest/gtest.h>

namespace prismora {
namespace {

// Runs a test body with one colour variant and restores the start-up choice.
class VariantScope {
public:
    explicit VariantScope(ColorVariant variant) : m_saved(ActiveColorVariant())
    {
        SelectColorVariant(variant);
    }
    ~VariantScope() { SelectColorVariant(m_saved); }

private:
    ColorVariant m_saved;
};

void fillPattern(TBitmap32& bitmap)
{
    for (int y = 0; y < bitmap.Height(); ++y) {
        for (int x = 0; x < bitmap.Width(); ++x) {
            bitmap.SetPixel(x, y,
                            0xFF000000u | TColor32(y * 5) << 16 | TColor32(x * 5) << 8 | 0x40);
        }
    }
}

TEST(AffineTransformation, OperationsApplyAfterTheMatrix)
{
    TAffineTransformation t;
    t.Translate(10, 0);
    t.Rotate(0, 0, 90);
    // (0, 0) -> (10, 0) -> turned a quarter counter-clockwise on screen -> (0, -10).
    EXPECT_NEAR(t.Matrix()[2][0], 0.0f, 1e-5f);
    EXPECT_FLOAT_EQ(t.Matrix()[2][1], -10.0f);

    TAffineTransformation aboutOrigin;
    aboutOrigin.Rotate(0, 0, 30);
    EXPECT_EQ(aboutOrigin.Matrix()[2][0], 0.0f);
    EXPECT_EQ(aboutOrigin.Matrix()[2][1], 0.0f);
    TAffineTransformation aboutPoint;
    aboutPoint.Rotate(23, 0, 30);
    EXPECT_NE(aboutPoint.Matrix()[2][0], 0.0f);
    EXPECT_NE(aboutPoint.Matrix()[2][1], 0.0f);
}

TEST(AffineTransformation, FixedPointInverseAndMapping)
{
    TAffineTransformation t;
    t.Translate(10, 0);
    EXPECT_FALSE(t.InverseReady());
    t.PrepareInverse();
    EXPECT_TRUE(t.InverseReady());
    EXPECT_EQ(t.FixedInverse()[2], -40960);
    // Arithmetic shifts round towards minus infinity.
    EXPECT_EQ(t.MapBackInt(0, 0).X, -10);
    EXPECT_EQ(t.MapBackInt(3, 4).Y, 4);
    EXPECT_EQ(t.MapBackFixed(11, 0).X, 256);
    t.Rotate(0, 0, 5);
    EXPECT_FALSE(t.InverseReady());

    TAffineTransformation singular;
    singular.Translate(3, 4);
    singular.Scale(0, 1);
    singular.PrepareInverse();
    EXPECT_EQ(singular.MapBackInt(7, 9).X, 7);
    EXPECT_EQ(singular.MapBackInt(7, 9).Y, 9);
}

TEST(AffineTransformation, MappedBoundsRoundHalfToEven)
{
    TAffineTransformation t;
    t.SetSrcRect(Rect{0, 0, 47, 47});
    EXPECT_EQ(t.MappedBounds(), (Rect{0, 0, 48, 48}));
    t.SetSrcRect(Rect{0, 0, 48, 46});
    EXPECT_EQ(t.MappedBounds(), (Rect{0, 0, 48, 46}));
    t.Translate(-1, 0);
    EXPECT_EQ(t.MappedBounds(), (Rect{-2, 0, 48, 46}));
}

TEST(Transform, IdentityBilinearLeavesLastRowAndColumn)
{
    for (ColorVariant variant : {ColorVariant::Portable, ColorVariant::Vector}) {
        VariantScope scope(variant);
        TBitmap32 src;
        src.SetExtent(9, 7);
        fillPattern(src);
        src.SetStretchFilter(TStretchFilter::sfLinear);
        TBitmap32 dst;
        dst.SetExtent(9, 7);
        dst.Clear(0x12345678);
        TAffineTransformation t;
        t.SetSrcRect(Rect{0, 0, 9, 7});
        Transform(dst, src, t);
        for (int y = 0; y < 7; ++y) {
            for (int x = 0; x < 9; ++x) {
                if (x == 8 || y == 6) {
                    EXPECT_EQ(dst.Pixel(x, y), 0x12345678u) << x << "," << y;
                } else if (variant == ColorVariant::Portable) {
                    EXPECT_EQ(dst.Pixel(x, y), src.Pixel(x, y)) << x << "," << y;
                } else {
                    const TColor32 top =
                        MixColor32Vector(src.Pixel(x, y), src.Pixel(x + 1, y), 255);
                    const TColor32 bottom =
                        MixColor32Vector(src.Pixel(x, y + 1), src.Pixel(x + 1, y + 1), 255);
                    EXPECT_EQ(dst.Pixel(x, y), MixColor32Vector(top, bottom, 255));
                }
            }
        }
    }
}

TEST(Transform, QuarterTurnMatchesTheExactTurn)
{
    TBitmap32 src;
    src.SetExtent(47, 47);
    fillPattern(src);
    TAffineTransformation t;
    t.SetSrcRect(Rect{0, 0, 47, 47});
    t.Rotate(23, 23, 90);
    t.PrepareInverse();
    TBitmap32 turned;
    turned.Assign(src);
    turned.TurnCounterClockwise();
    for (int j = 0; j < 47; ++j) {
        for (int i = 0; i < 47; ++i) {
            const auto fixed = t.MapBackFixed(i, j);
            ASSERT_EQ(fixed.X & 255, 0);
            ASSERT_EQ(fixed.Y & 255, 0);
            ASSERT_EQ(turned.Pixel(i, j), src.Pixel(fixed.X >> 8, fixed.Y >> 8));
        }
    }
    // Nearest sampling reproduces the turn everywhere.
    TBitmap32 dst;
    dst.SetExtent(47, 47);
    Transform(dst, src, t);
    for (int j = 0; j < 47; ++j) {
        for (int i = 0; i < 47; ++i) {
            ASSERT_EQ(dst.Pixel(i, j), turned.Pixel(i, j)) << i << "," << j;
        }
    }
}

// Turns an opaque source by 45 degrees about (23, 23) into a bitmap cleared to $00FFFFFF.
void turn45(const TBitmap32& src, TBitmap32& dst)
{
    TAffineTransformation t;
    t.SetSrcRect(Rect{0, 0, 47, 47});
    t.Rotate(23, 23, 45);
    dst.SetExtent(47, 47);
    dst.Clear(0x00FFFFFF);
    Transform(dst, src, t);
}

TEST(Transform, DiagonalTurnKeepsCornersAndShowsTheOuterColourBand)
{
    TBitmap32 src;
    src.SetExtent(47, 47);
    src.Clear(0xFFFFFFFF);
    src.SetStretchFilter(TStretchFilter::sfLinear);
    TAffineTransformation probe;
    probe.SetSrcRect(Rect{0, 0, 47, 47});
    probe.Rotate(23, 23, 45);
    probe.PrepareInverse();

    VariantScope scope(ColorVariant::Vector);
    TBitmap32 dst;
    turn45(src, dst);
    for (int corner : {0, 1, 2, 45, 46}) {
        EXPECT_EQ(dst.Pixel(corner, 0), 0x00FFFFFFu);
        EXPECT_EQ(dst.Pixel(0, corner), 0x00FFFFFFu);
        EXPECT_EQ(dst.Pixel(46, corner), 0x00FFFFFFu);
        EXPECT_EQ(dst.Pixel(corner, 46), 0x00FFFFFFu);
    }
    int grey = 0;
    bool sawAA = false;
    for (int j = 0; j < 47; ++j) {
        for (int i = 0; i < 47; ++i) {
            const TColor32 c = dst.Pixel(i, j);
            const auto p = probe.MapBackFixed(i, j);
            const int x = p.X >> 8;
            const int y = p.Y >> 8;
            if (x < -1 || y < -1 || x >= 46 || y >= 46) {
                ASSERT_EQ(c, 0x00FFFFFFu) << i << "," << j;
            } else if (x == -1 || y == -1) {
                ++grey;
                ASSERT_EQ(RedOf(c), GreenOf(c));
                ASSERT_EQ(RedOf(c), BlueOf(c));
                ASSERT_LT(RedOf(c), 255) << i << "," << j;
                sawAA = sawAA || c == 0xAAAAAAAAu;
            } else {
                ASSERT_EQ(c, 0xFFFFFFFFu) << i << "," << j;
            }
        }
    }
    EXPECT_GT(grey, 20);
    EXPECT_TRUE(sawAA);
    dst.MakeOpaque();
    EXPECT_EQ(dst.Pixel(0, 0), 0xFFFFFFFFu);
}

TEST(Transform, PortableMixingDimsInterpolatedWhite)
{
    TBitmap32 src;
    src.SetExtent(47, 47);
    src.Clear(0xFFFFFFFF);
    src.SetOuterColor(0xFFFFFFFF);
    src.SetStretchFilter(TStretchFilter::sfLinear);
    VariantScope scope(ColorVariant::Portable);
    TBitmap32 dst;
    turn45(src, dst);
    int dimmed = 0;
    for (int i = 0; i < 47 * 47; ++i) {
        const TColor32 c = dst.Bits()[i];
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
    TBitmap32 src;
    src.SetExtent(10, 10);
    src.Clear(0xFF000000);
    TBitmap32 dst;
    dst.SetExtent(10, 10);
    dst.Clear(0xFF00FF00);
    int changes = 0;
    dst.OnChange = [&] { ++changes; };
    TAffineTransformation t;
    t.SetSrcRect(Rect{0, 0, 10, 10});
    t.Translate(100, 0);
    Transform(dst, src, t);
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(dst.Pixel(5, 5), 0xFF00FF00u);
}

TEST(RotateSprite, TurnsAboutTheCentreAndEndsOpaque)
{
    TBitmap32 sprite;
    sprite.SetExtent(47, 47);
    sprite.Clear(0xFFFFFFFF);
    for (int y = 13; y < 34; ++y) {
        for (int x = 13; x < 34; ++x) {
            sprite.SetPixel(x, y, 0xFF800000);
        }
    }
    sprite.SetPixel(40, 23, 0xFF0000FF); // a blue mark east of the centre
    sprite.SetDrawMode(TDrawMode::dmOpaque);
    RotateSprite(sprite, 90);
    EXPECT_EQ(sprite.Width(), 47);
    EXPECT_EQ(sprite.StretchFilter(), TStretchFilter::sfLinear);
    for (int i = 0; i < 47 * 47; ++i) {
        ASSERT_EQ(AlphaOf(sprite.Bits()[i]), 255);
    }
    EXPECT_EQ(sprite.Pixel(23, 23), 0xFF800000u);
    // Counter-clockwise: the mark east of the centre now stands north of it.
    EXPECT_GT(BlueOf(sprite.Pixel(23, 6)), 200);
    EXPECT_LT(RedOf(sprite.Pixel(23, 6)), 60);
    // The last column and row of the source are never sampled.
    EXPECT_EQ(sprite.Pixel(46, 46), 0xFFFFFFFFu);

    RotateSprite(sprite, 45);
    EXPECT_EQ(sprite.Pixel(0, 0), 0xFFFFFFFFu);
    EXPECT_EQ(sprite.Pixel(23, 23), 0xFF800000u);

    // A working bitmap left empty (a direction out of range) stays empty.
    TBitmap32 empty;
    RotateSprite(empty, 135);
    EXPECT_TRUE(empty.Empty());
}

} // namespace
} // namespace prismora
