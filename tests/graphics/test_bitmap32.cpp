// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Tests of Bitmap32: sizing, notifications, turns, copying, drawing and the stored form.
#include "graphics/bitmap32.h"
#include "graphics/bitmap_list.h"
#include "graphics/graphics_error.h"
#include "graphics/target_surface.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

namespace prismora {
namespace {

// Every pixel gets a distinct colour derived from its position.
void fillPattern(Bitmap32& bitmap)
{
    for (int y = 0; y < bitmap.height(); ++y) {
        for (int x = 0; x < bitmap.width(); ++x) {
            bitmap.setPixel(x, y, 0x80000000u | Color32(y) << 12 | Color32(x));
        }
    }
}

TEST(Bitmap32, NegativeSizeIsEmptyAndIgnoresDrawing)
{
    Bitmap32 bitmap;
    int changes = 0;
    bitmap.onChange = [&] { ++changes; };
    EXPECT_TRUE(bitmap.isEmpty());
    EXPECT_TRUE(bitmap.setSize(-5, 10));
    EXPECT_TRUE(bitmap.isEmpty());
    EXPECT_EQ(bitmap.width(), 0);
    changes = 0;
    bitmap.clear(0xFF123456);
    bitmap.makeOpaque();
    Bitmap32 other;
    other.setSize(3, 3);
    other.clear(0x11223344);
    bitmap.drawOnto(other);
    other.drawOnto(bitmap);
    other.drawOnto(bitmap, Rect{0, 0, 3, 3});
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(other.pixel(1, 1), 0x11223344u);
}

TEST(Bitmap32, SameExtentKeepsPixelsAndSendsNothing)
{
    Bitmap32 bitmap;
    int changes = 0;
    int resizes = 0;
    bitmap.onChange = [&] { ++changes; };
    bitmap.onResize = [&] { ++resizes; };
    EXPECT_TRUE(bitmap.setSize(4, 2));
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(resizes, 1);
    bitmap.clear(0xAABBCCDD);
    EXPECT_FALSE(bitmap.setSize(4, 2));
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(resizes, 1);
    EXPECT_EQ(bitmap.pixel(3, 1), 0xAABBCCDDu);
}

TEST(Bitmap32, MakeOpaqueKeepsColour)
{
    Bitmap32 bitmap;
    bitmap.setSize(5, 3);
    bitmap.clear(0x00FFFFFF);
    bitmap.setPixel(2, 1, 0x12345678);
    bitmap.makeOpaque();
    EXPECT_EQ(bitmap.pixel(0, 0), 0xFFFFFFFFu);
    EXPECT_EQ(bitmap.pixel(4, 2), 0xFFFFFFFFu);
    EXPECT_EQ(bitmap.pixel(2, 1), 0xFF345678u);
}

TEST(Bitmap32, TurnsMovePixelsAndRoundTrip)
{
    Bitmap32 bitmap;
    bitmap.setSize(48, 47);
    fillPattern(bitmap);
    bitmap.setDrawMode(DrawMode::Blend);
    bitmap.setMasterAlpha(77);
    bitmap.setOuterColor(0xFFFFFFFF);
    bitmap.setStretchFilter(StretchFilter::Linear);
    Bitmap32 original;
    original.assign(bitmap);

    bitmap.turnClockwise();
    ASSERT_EQ(bitmap.width(), 47);
    ASSERT_EQ(bitmap.height(), 48);
    // (x, y) moves to (H - 1 - y, x).
    EXPECT_EQ(bitmap.pixel(46 - 5, 7), original.pixel(7, 5));
    EXPECT_EQ(bitmap.drawMode(), DrawMode::Blend);
    EXPECT_EQ(bitmap.masterAlpha(), 77);
    EXPECT_EQ(bitmap.outerColor(), 0xFFFFFFFFu);
    EXPECT_EQ(bitmap.stretchFilter(), StretchFilter::Linear);
    bitmap.turnCounterClockwise();
    ASSERT_EQ(bitmap.width(), 48);
    EXPECT_TRUE(std::equal(bitmap.bits(), bitmap.bits() + 48 * 47, original.bits()));

    bitmap.turnCounterClockwise();
    // (x, y) moves to (y, W - 1 - x).
    EXPECT_EQ(bitmap.pixel(5, 47 - 7), original.pixel(7, 5));
    bitmap.turnClockwise();

    bitmap.turnHalf();
    EXPECT_EQ(bitmap.pixel(47 - 7, 46 - 5), original.pixel(7, 5));
    bitmap.turnHalf();
    EXPECT_TRUE(std::equal(bitmap.bits(), bitmap.bits() + 48 * 47, original.bits()));
}

TEST(Bitmap32, CopyFromSendsOneNotification)
{
    Bitmap32 source;
    source.setSize(6, 4);
    fillPattern(source);
    Bitmap32 target;
    int changes = 0;
    target.onChange = [&] { ++changes; };
    target.assign(source);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(target.updateCount(), 0);
    EXPECT_EQ(target.pixel(5, 3), source.pixel(5, 3));
}

TEST(Bitmap32, SettersNotifyOnlyOnRealChange)
{
    Bitmap32 bitmap;
    int changes = 0;
    bitmap.onChange = [&] { ++changes; };
    bitmap.setDrawMode(DrawMode::Opaque);
    bitmap.setMasterAlpha(255);
    bitmap.setStretchFilter(StretchFilter::Nearest);
    EXPECT_EQ(changes, 0);
    bitmap.setDrawMode(DrawMode::Custom);
    bitmap.setMasterAlpha(0);
    bitmap.setStretchFilter(StretchFilter::Mitchell);
    EXPECT_EQ(changes, 3);
    bitmap.startUpdate();
    bitmap.setMasterAlpha(1);
    bitmap.endUpdate();
    EXPECT_EQ(changes, 3);
    EXPECT_THROW(bitmap.endUpdate(), UnpairedEndUpdateError);
}

TEST(Bitmap32, ChangeStampGrowsWithEveryChange)
{
    Bitmap32 bitmap;
    Bitmap32 other;
    EXPECT_NE(bitmap.changeStamp(), other.changeStamp());
    const auto grows = [&bitmap](const auto& change) {
        const std::uint64_t before = bitmap.changeStamp();
        change();
        return bitmap.changeStamp() > before;
    };
    EXPECT_TRUE(grows([&] { bitmap.setSize(4, 4); }));
    EXPECT_TRUE(grows([&] { bitmap.clear(1); }));
    EXPECT_TRUE(grows([&] { bitmap.setPixel(1, 1, 2); }));
    EXPECT_TRUE(grows([&] { bitmap.bits()[0] = 3; }));
    EXPECT_TRUE(grows([&] { bitmap.scanLine(2)[0] = 3; }));
    EXPECT_TRUE(grows([&] { bitmap.turnHalf(); }));
    EXPECT_TRUE(grows([&] { bitmap.setStretchFilter(StretchFilter::Linear); }));
    EXPECT_TRUE(grows([&] { bitmap.setOuterColor(0xFFFFFFFF); }));
    EXPECT_TRUE(grows([&] {
        other.setSize(2, 2);
        other.drawOnto(bitmap);
    }));
    EXPECT_TRUE(grows([&] {
        UpdateScope update(bitmap);
        bitmap.setMasterAlpha(9);
    }));
    const Bitmap32& unchanged = bitmap;
    EXPECT_FALSE(grows([&] {
        (void)unchanged.bits();
        (void)unchanged.scanLine(1);
        bitmap.setSize(4, 4);
        bitmap.setMasterAlpha(9);
        bitmap.setOuterColor(0xFFFFFFFF);
        other.drawOnto(other);
    }));
}

TEST(Bitmap32, DrawOntoSmallerClipsLastRowAndColumn)
{
    Bitmap32 sprite;
    sprite.setSize(48, 48);
    fillPattern(sprite);
    Bitmap32 work;
    work.setSize(47, 47);
    work.clear(0);
    sprite.drawOnto(work);
    for (int y = 0; y < 47; ++y) {
        for (int x = 0; x < 47; ++x) {
            ASSERT_EQ(work.pixel(x, y), sprite.pixel(x, y)) << x << "," << y;
        }
    }
    // Drawn at an offset the destination keeps what lies outside the copy.
    Bitmap32 large;
    large.setSize(50, 50);
    large.clear(0x01010101);
    sprite.drawOnto(large, Rect{10, 20, 58, 68});
    EXPECT_EQ(large.pixel(9, 20), 0x01010101u);
    EXPECT_EQ(large.pixel(10, 20), sprite.pixel(0, 0));
    EXPECT_EQ(large.pixel(49, 49), sprite.pixel(39, 29));
}

TEST(Bitmap32, DrawModes)
{
    Bitmap32 source;
    source.setSize(2, 1);
    source.setPixel(0, 0, 0x00FF0000); // transparent
    source.setPixel(1, 0, 0x80FF0000); // half red
    Bitmap32 target;
    target.setSize(2, 1);
    target.clear(0xFF0000FF);
    source.setDrawMode(DrawMode::Blend);
    source.drawOnto(target);
    EXPECT_EQ(target.pixel(0, 0), 0xFF0000FFu);
    EXPECT_EQ(target.pixel(1, 0), blendColor32(0x80FF0000, 0xFF0000FF));

    target.clear(0xFF0000FF);
    source.setMasterAlpha(0);
    source.drawOnto(target);
    EXPECT_EQ(target.pixel(1, 0), 0xFF0000FFu);

    // Custom without a handler copies; with one the handler decides.
    source.setDrawMode(DrawMode::Custom);
    source.drawOnto(target);
    EXPECT_EQ(target.pixel(0, 0), 0x00FF0000u);
    source.setPixelCombineHandler([](Color32 f, Color32& b, Color32 m) { b = (f ^ b) + m; });
    source.drawOnto(target);
    EXPECT_EQ(target.pixel(0, 0), 0u);
}

TEST(Bitmap32, GuardedReadAndList)
{
    BitmapList list;
    Bitmap32 sprite;
    sprite.setSize(48, 48);
    sprite.clear(0xFFFFFFFF);
    sprite.setOuterColor(0xFFFFFFFF);
    list.add().setBitmap(sprite);
    sprite.setOuterColor(0);
    list.add().setBitmap(sprite);
    EXPECT_EQ(list.bitmap(0).guardedPixel(-1, 0), 0xFFFFFFFFu);
    EXPECT_EQ(list.bitmap(0).guardedPixel(48, 0), 0xFFFFFFFFu);
    EXPECT_EQ(list.bitmap(1).guardedPixel(48, 0), 0u);
    EXPECT_EQ(list.bitmap(1).guardedPixel(47, 47), 0xFFFFFFFFu);
    try {
        (void)list.bitmap(2);
        FAIL();
    } catch (const ListIndexError& error) {
        EXPECT_STREQ(error.what(), "List index out of bounds (2)");
    }
    EXPECT_THROW((void)list.bitmap(-1), ListIndexError);
}

TEST(Bitmap32, StoredFormRoundTripsByteForByte)
{
    Bitmap32 bitmap;
    bitmap.setSize(48, 48);
    fillPattern(bitmap);
    std::ostringstream out;
    ASSERT_TRUE(bitmap.writePixels(out).ok());
    const std::string bytes = out.str();
    ASSERT_EQ(bytes.size(), 9224u);
    EXPECT_EQ(bytes.substr(0, 8), std::string("\x30\0\0\0\x30\0\0\0", 8));
    // pixel (1, 0) = 0x80000001: bytes blue, green, red, alpha.
    EXPECT_EQ(bytes.substr(12, 4), std::string("\x01\0\0\x80", 4));

    Bitmap32 copy;
    std::istringstream in(bytes);
    ASSERT_TRUE(copy.readPixels(in).ok());
    std::ostringstream again;
    ASSERT_TRUE(copy.writePixels(again).ok());
    EXPECT_EQ(again.str(), bytes);
}

std::string errorText(const Status& status) { return status.ok() ? "" : status.error().message; }

TEST(Bitmap32, ShortOrHugeStoredFormIsRefused)
{
    Bitmap32 bitmap;
    int changes = 0;
    bitmap.onChange = [&] { ++changes; };
    std::istringstream truncated(std::string("\x02\0\0\0\x02\0\0\0\1\2\3\4\5", 13));
    EXPECT_EQ(errorText(bitmap.readPixels(truncated)), "Stream read error");
    EXPECT_TRUE(bitmap.isEmpty());
    EXPECT_GE(changes, 1);
    // A stranger's size far beyond the data must not be allocated up front.
    std::istringstream large(std::string("\0\x40\0\0\0\x40\0\0\0\0\0\0", 12));
    EXPECT_EQ(errorText(bitmap.readPixels(large)), "Stream read error");
    std::istringstream huge(std::string("\xFF\xFF\0\0\xFF\x3F\0\0\0\0\0\0", 12));
    EXPECT_EQ(errorText(bitmap.readPixels(huge)), "Can't allocate the DIB handle");
    std::istringstream header(std::string("\x02\0\0", 3));
    EXPECT_EQ(errorText(bitmap.readPixels(header)), "Stream read error");
    std::istringstream negative(std::string("\xFB\xFF\xFF\xFF\x0A\0\0\0", 8));
    EXPECT_EQ(errorText(bitmap.readPixels(negative)), "");
    EXPECT_TRUE(bitmap.isEmpty());
}

TEST(Bitmap32, DrawOntoSurfaceClipsAndIgnoresAlpha)
{
    Bitmap32 bitmap;
    bitmap.setSize(3, 2);
    fillPattern(bitmap);
    std::vector<Color32> buffer(4 * 3, 0xDEADBEEF);
    // Rows 5 pixels apart (20 bytes) to check the stride is honoured.
    buffer.resize(5 * 3, 0xDEADBEEF);
    TargetSurface surface{buffer.data(), 4, 3, 20};
    bitmap.drawOnto(surface, 2, -1);
    EXPECT_EQ(buffer[0 * 5 + 2], bitmap.pixel(0, 1) | 0xFF000000u);
    EXPECT_EQ(buffer[0 * 5 + 3], bitmap.pixel(1, 1) | 0xFF000000u);
    EXPECT_EQ(buffer[0 * 5 + 4], 0xDEADBEEFu);
    EXPECT_EQ(buffer[1 * 5 + 2], 0xDEADBEEFu);
    EXPECT_EQ(buffer[0 * 5 + 1], 0xDEADBEEFu);
}

} // namespace
} // namespace prismora
