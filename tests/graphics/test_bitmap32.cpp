// Tests of TBitmap32: sizing, notifications, turns, copying, drawing and the stored form.
#include "graphics/bitmap32.h"
#include "graphics/bitmap32_list.h"
#include "graphics/graphics_error.h"
#include "graphics/target_surface.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

namespace prismora {
namespace {

// Every pixel gets a distinct colour derived from its position.
void fillPattern(TBitmap32& bitmap)
{
    for (int y = 0; y < bitmap.Height(); ++y) {
        for (int x = 0; x < bitmap.Width(); ++x) {
            bitmap.SetPixel(x, y, 0x80000000u | TColor32(y) << 12 | TColor32(x));
        }
    }
}

TEST(Bitmap32, NegativeSizeIsEmptyAndIgnoresDrawing)
{
    TBitmap32 bitmap;
    int changes = 0;
    bitmap.OnChange = [&] { ++changes; };
    EXPECT_TRUE(bitmap.Empty());
    EXPECT_TRUE(bitmap.SetExtent(-5, 10));
    EXPECT_TRUE(bitmap.Empty());
    EXPECT_EQ(bitmap.Width(), 0);
    changes = 0;
    bitmap.Clear(0xFF123456);
    bitmap.MakeOpaque();
    TBitmap32 other;
    other.SetExtent(3, 3);
    other.Clear(0x11223344);
    bitmap.DrawOnto(other);
    other.DrawOnto(bitmap);
    other.DrawOnto(bitmap, Rect{0, 0, 3, 3});
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(other.Pixel(1, 1), 0x11223344u);
}

TEST(Bitmap32, SameExtentKeepsPixelsAndSendsNothing)
{
    TBitmap32 bitmap;
    int changes = 0;
    int resizes = 0;
    bitmap.OnChange = [&] { ++changes; };
    bitmap.OnResize = [&] { ++resizes; };
    EXPECT_TRUE(bitmap.SetExtent(4, 2));
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(resizes, 1);
    bitmap.Clear(0xAABBCCDD);
    EXPECT_FALSE(bitmap.SetExtent(4, 2));
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(resizes, 1);
    EXPECT_EQ(bitmap.Pixel(3, 1), 0xAABBCCDDu);
}

TEST(Bitmap32, MakeOpaqueKeepsColour)
{
    TBitmap32 bitmap;
    bitmap.SetExtent(5, 3);
    bitmap.Clear(0x00FFFFFF);
    bitmap.SetPixel(2, 1, 0x12345678);
    bitmap.MakeOpaque();
    EXPECT_EQ(bitmap.Pixel(0, 0), 0xFFFFFFFFu);
    EXPECT_EQ(bitmap.Pixel(4, 2), 0xFFFFFFFFu);
    EXPECT_EQ(bitmap.Pixel(2, 1), 0xFF345678u);
}

TEST(Bitmap32, TurnsMovePixelsAndRoundTrip)
{
    TBitmap32 bitmap;
    bitmap.SetExtent(48, 47);
    fillPattern(bitmap);
    bitmap.SetDrawMode(TDrawMode::dmBlend);
    bitmap.SetMasterAlpha(77);
    bitmap.SetOuterColor(0xFFFFFFFF);
    bitmap.SetStretchFilter(TStretchFilter::sfLinear);
    TBitmap32 original;
    original.Assign(bitmap);

    bitmap.TurnClockwise();
    ASSERT_EQ(bitmap.Width(), 47);
    ASSERT_EQ(bitmap.Height(), 48);
    // (x, y) moves to (H - 1 - y, x).
    EXPECT_EQ(bitmap.Pixel(46 - 5, 7), original.Pixel(7, 5));
    EXPECT_EQ(bitmap.DrawMode(), TDrawMode::dmBlend);
    EXPECT_EQ(bitmap.MasterAlpha(), 77);
    EXPECT_EQ(bitmap.OuterColor(), 0xFFFFFFFFu);
    EXPECT_EQ(bitmap.StretchFilter(), TStretchFilter::sfLinear);
    bitmap.TurnCounterClockwise();
    ASSERT_EQ(bitmap.Width(), 48);
    EXPECT_TRUE(std::equal(bitmap.Bits(), bitmap.Bits() + 48 * 47, original.Bits()));

    bitmap.TurnCounterClockwise();
    // (x, y) moves to (y, W - 1 - x).
    EXPECT_EQ(bitmap.Pixel(5, 47 - 7), original.Pixel(7, 5));
    bitmap.TurnClockwise();

    bitmap.TurnHalf();
    EXPECT_EQ(bitmap.Pixel(47 - 7, 46 - 5), original.Pixel(7, 5));
    bitmap.TurnHalf();
    EXPECT_TRUE(std::equal(bitmap.Bits(), bitmap.Bits() + 48 * 47, original.Bits()));
}

TEST(Bitmap32, CopyFromSendsOneNotification)
{
    TBitmap32 source;
    source.SetExtent(6, 4);
    fillPattern(source);
    TBitmap32 target;
    int changes = 0;
    target.OnChange = [&] { ++changes; };
    target.Assign(source);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(target.UpdateCount(), 0);
    EXPECT_EQ(target.Pixel(5, 3), source.Pixel(5, 3));
}

TEST(Bitmap32, SettersNotifyOnlyOnRealChange)
{
    TBitmap32 bitmap;
    int changes = 0;
    bitmap.OnChange = [&] { ++changes; };
    bitmap.SetDrawMode(TDrawMode::dmOpaque);
    bitmap.SetMasterAlpha(255);
    bitmap.SetStretchFilter(TStretchFilter::sfNearest);
    EXPECT_EQ(changes, 0);
    bitmap.SetDrawMode(TDrawMode::dmCustom);
    bitmap.SetMasterAlpha(0);
    bitmap.SetStretchFilter(TStretchFilter::sfMitchell);
    EXPECT_EQ(changes, 3);
    bitmap.StartUpdate();
    bitmap.SetMasterAlpha(1);
    bitmap.EndUpdate();
    EXPECT_EQ(changes, 3);
    EXPECT_THROW(
        {
            try {
                bitmap.EndUpdate();
            } catch (const EAssertionFailed& error) {
                EXPECT_STREQ(error.what(), "Unpaired TThreadPersistent.EndUpdate");
                throw;
            }
        },
        EAssertionFailed);
}

TEST(Bitmap32, DrawOntoSmallerClipsLastRowAndColumn)
{
    TBitmap32 sprite;
    sprite.SetExtent(48, 48);
    fillPattern(sprite);
    TBitmap32 work;
    work.SetExtent(47, 47);
    work.Clear(0);
    sprite.DrawOnto(work);
    for (int y = 0; y < 47; ++y) {
        for (int x = 0; x < 47; ++x) {
            ASSERT_EQ(work.Pixel(x, y), sprite.Pixel(x, y)) << x << "," << y;
        }
    }
    // Drawn at an offset the destination keeps what lies outside the copy.
    TBitmap32 large;
    large.SetExtent(50, 50);
    large.Clear(0x01010101);
    sprite.DrawOnto(large, Rect{10, 20, 58, 68});
    EXPECT_EQ(large.Pixel(9, 20), 0x01010101u);
    EXPECT_EQ(large.Pixel(10, 20), sprite.Pixel(0, 0));
    EXPECT_EQ(large.Pixel(49, 49), sprite.Pixel(39, 29));
}

TEST(Bitmap32, DrawModes)
{
    TBitmap32 source;
    source.SetExtent(2, 1);
    source.SetPixel(0, 0, 0x00FF0000); // transparent
    source.SetPixel(1, 0, 0x80FF0000); // half red
    TBitmap32 target;
    target.SetExtent(2, 1);
    target.Clear(0xFF0000FF);
    source.SetDrawMode(TDrawMode::dmBlend);
    source.DrawOnto(target);
    EXPECT_EQ(target.Pixel(0, 0), 0xFF0000FFu);
    EXPECT_EQ(target.Pixel(1, 0), BlendColor32(0x80FF0000, 0xFF0000FF));

    target.Clear(0xFF0000FF);
    source.SetMasterAlpha(0);
    source.DrawOnto(target);
    EXPECT_EQ(target.Pixel(1, 0), 0xFF0000FFu);

    // Custom without a handler copies; with one the handler decides.
    source.SetDrawMode(TDrawMode::dmCustom);
    source.DrawOnto(target);
    EXPECT_EQ(target.Pixel(0, 0), 0x00FF0000u);
    source.OnPixelCombine = [](TColor32 f, TColor32& b, TColor32 m) { b = (f ^ b) + m; };
    source.DrawOnto(target);
    EXPECT_EQ(target.Pixel(0, 0), 0u);
}

TEST(Bitmap32, GuardedReadAndList)
{
    TBitmap32List list;
    TBitmap32 sprite;
    sprite.SetExtent(48, 48);
    sprite.Clear(0xFFFFFFFF);
    sprite.SetOuterColor(0xFFFFFFFF);
    list.Add().SetBitmap(sprite);
    sprite.SetOuterColor(0);
    list.Add().SetBitmap(sprite);
    EXPECT_EQ(list.Bitmap(0).PixelS(-1, 0), 0xFFFFFFFFu);
    EXPECT_EQ(list.Bitmap(0).PixelS(48, 0), 0xFFFFFFFFu);
    EXPECT_EQ(list.Bitmap(1).PixelS(48, 0), 0u);
    EXPECT_EQ(list.Bitmap(1).PixelS(47, 47), 0xFFFFFFFFu);
    try {
        (void)list.Bitmap(2);
        FAIL();
    } catch (const EListError& error) {
        EXPECT_STREQ(error.what(), "List index out of bounds (2)");
    }
    EXPECT_THROW((void)list.Bitmap(-1), EListError);
}

TEST(Bitmap32, StoredFormRoundTripsByteForByte)
{
    TBitmap32 bitmap;
    bitmap.SetExtent(48, 48);
    fillPattern(bitmap);
    std::ostringstream out;
    ASSERT_FALSE(bitmap.WritePixels(out));
    const std::string bytes = out.str();
    ASSERT_EQ(bytes.size(), 9224u);
    EXPECT_EQ(bytes.substr(0, 8), std::string("\x30\0\0\0\x30\0\0\0", 8));
    // Pixel (1, 0) = 0x80000001: bytes blue, green, red, alpha.
    EXPECT_EQ(bytes.substr(12, 4), std::string("\x01\0\0\x80", 4));

    TBitmap32 copy;
    std::istringstream in(bytes);
    ASSERT_FALSE(copy.ReadPixels(in));
    std::ostringstream again;
    ASSERT_FALSE(copy.WritePixels(again));
    EXPECT_EQ(again.str(), bytes);
}

TEST(Bitmap32, ShortOrHugeStoredFormIsRefused)
{
    TBitmap32 bitmap;
    int changes = 0;
    bitmap.OnChange = [&] { ++changes; };
    std::istringstream truncated(std::string("\x02\0\0\0\x02\0\0\0\1\2\3\4\5", 13));
    EXPECT_EQ(bitmap.ReadPixels(truncated), std::string("Stream read error"));
    EXPECT_TRUE(bitmap.Empty());
    EXPECT_GE(changes, 1);
    // A stranger's size far beyond the data must not be allocated up front.
    std::istringstream large(std::string("\0\x40\0\0\0\x40\0\0\0\0\0\0", 12));
    EXPECT_EQ(bitmap.ReadPixels(large), std::string("Stream read error"));
    std::istringstream huge(std::string("\xFF\xFF\0\0\xFF\x3F\0\0\0\0\0\0", 12));
    EXPECT_EQ(bitmap.ReadPixels(huge), std::string("Can't allocate the DIB handle"));
    std::istringstream header(std::string("\x02\0\0", 3));
    EXPECT_EQ(bitmap.ReadPixels(header), std::string("Stream read error"));
    std::istringstream negative(std::string("\xFB\xFF\xFF\xFF\x0A\0\0\0", 8));
    EXPECT_FALSE(bitmap.ReadPixels(negative));
    EXPECT_TRUE(bitmap.Empty());
}

TEST(Bitmap32, DrawOntoSurfaceClipsAndIgnoresAlpha)
{
    TBitmap32 bitmap;
    bitmap.SetExtent(3, 2);
    fillPattern(bitmap);
    std::vector<TColor32> buffer(4 * 3, 0xDEADBEEF);
    // Rows 5 pixels apart (20 bytes) to check the stride is honoured.
    buffer.resize(5 * 3, 0xDEADBEEF);
    TargetSurface surface{buffer.data(), 4, 3, 20};
    bitmap.DrawOnto(surface, 2, -1);
    EXPECT_EQ(buffer[0 * 5 + 2], bitmap.Pixel(0, 1) | 0xFF000000u);
    EXPECT_EQ(buffer[0 * 5 + 3], bitmap.Pixel(1, 1) | 0xFF000000u);
    EXPECT_EQ(buffer[0 * 5 + 4], 0xDEADBEEFu);
    EXPECT_EQ(buffer[1 * 5 + 2], 0xDEADBEEFu);
    EXPECT_EQ(buffer[0 * 5 + 1], 0xDEADBEEFu);
}

} // namespace
} // namespace prismora
