// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Tests of the scrolling banner: positions over a cycle, restarts, painting and its timer.
#include "widgets/scrolling_banner.h"

#include "test_pictures.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPainter>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace prismora {
namespace {

// A shown, inactive banner: the text stands at its restart position and only
// moves when the test steps it.
std::unique_ptr<ScrollingBanner>
placedBanner(ScrollDirection direction = ScrollDirection::RightToLeft)
{
    auto banner = std::make_unique<ScrollingBanner>();
    banner->resize(225, 25);
    banner->setScrollDirection(direction);
    banner->setStrings({QStringLiteral("Gör egna banor")});
    banner->show();
    return banner;
}

// Runs the event loop until condition holds; false after the timeout.
bool waitUntil(const std::function<bool()>& condition, int timeoutMs = 10000)
{
    QElapsedTimer clock;
    clock.start();
    while (!condition()) {
        if (clock.elapsed() > timeoutMs)
            return false;
        QApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return true;
}

TEST(ScrollingBanner, RightToLeftMovesWidthPlusTextWidthThenRestartsAtTheRightEdge)
{
    auto banner = placedBanner();
    int scrolled = 0;
    QObject::connect(banner.get(), &ScrollingBanner::textScrolled, [&](bool&) { ++scrolled; });
    const int textWidth = banner->textExtent().width();
    ASSERT_GT(textWidth, 20);
    EXPECT_EQ(banner->scrollOffset(), QPoint(225, 0));
    for (int step = 1; step <= 225 + textWidth; ++step) {
        banner->scrollStep();
        ASSERT_EQ(banner->scrollOffset(), QPoint(225 - step, 0));
    }
    EXPECT_EQ(scrolled, 0);
    banner->scrollStep();
    EXPECT_EQ(banner->scrollOffset(), QPoint(225, 0));
    EXPECT_EQ(scrolled, 1);
}

TEST(ScrollingBanner, InitialPositionRestartsAtTheLeftTopCorner)
{
    auto banner = placedBanner();
    QObject::connect(banner.get(), &ScrollingBanner::textScrolled,
                     [](bool& initial) { initial = true; });
    const int textWidth = banner->textExtent().width();
    for (int step = 0; step <= 225 + textWidth; ++step)
        banner->scrollStep();
    EXPECT_EQ(banner->scrollOffset(), QPoint(0, 0));
    banner->scrollStep();
    EXPECT_EQ(banner->scrollOffset(), QPoint(-1, 0));
}

TEST(ScrollingBanner, OtherDirectionsRestartFromTheirOwnEdge)
{
    auto upward = placedBanner(ScrollDirection::BottomToTop);
    EXPECT_EQ(upward->scrollOffset(), QPoint(0, 25));
    const int textHeight = upward->textExtent().height();
    for (int step = 0; step < 25 + textHeight; ++step)
        upward->scrollStep();
    EXPECT_EQ(upward->scrollOffset(), QPoint(0, -textHeight));
    upward->scrollStep();
    EXPECT_EQ(upward->scrollOffset(), QPoint(0, 25));

    auto rightward = placedBanner(ScrollDirection::LeftToRight);
    EXPECT_EQ(rightward->scrollOffset(), QPoint(-225, 0));
    for (int step = 0; step < 450; ++step)
        rightward->scrollStep();
    EXPECT_EQ(rightward->scrollOffset(), QPoint(225, 0));
    rightward->scrollStep();
    EXPECT_EQ(rightward->scrollOffset(), QPoint(-225, 0));
}

TEST(ScrollingBanner, PaintsTiledWallpaperAndTheTextAtItsOffset)
{
    const QImage wallpaper = coordinateWallpaper(100, 10);
    auto banner = placedBanner();
    banner->setWallpaper(wallpaper);
    QImage frame = banner->grab().toImage().convertToFormat(QImage::Format_RGB32);
    // The text waits beyond the right edge: only the wallpaper shows.
    for (int y = 0; y < 25; ++y)
        for (int x = 0; x < 225; ++x)
            ASSERT_EQ(frame.pixel(x, y), wallpaper.pixel(x % 100, y % 10)) << x << "," << y;

    for (int step = 0; step < 225; ++step)
        banner->scrollStep();
    ASSERT_EQ(banner->scrollOffset(), QPoint(0, 0));
    frame = banner->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const int textWidth = banner->textExtent().width();
    int inkedColumns = 0;
    for (int x = 0; x < 225; ++x) {
        bool inked = false;
        for (int y = 0; y < 25; ++y)
            inked = inked || frame.pixel(x, y) != wallpaper.pixel(x % 100, y % 10);
        inkedColumns += inked ? 1 : 0;
        if (x > textWidth + 2) {
            ASSERT_FALSE(inked) << x;
        }
    }
    EXPECT_GT(inkedColumns, textWidth / 2);

    // Without a wallpaper the background is the colour.
    banner->setWallpaper(QImage());
    banner->setColor(QColor(1, 2, 3));
    frame = banner->grab().toImage();
    EXPECT_EQ(frame.pixel(224, 24), qRgb(1, 2, 3));
}

TEST(ScrollingBanner, IntervalZeroStepsAsFastAsTicksAreTakenAndInactiveStops)
{
    auto banner = placedBanner();
    banner->setInterval(0);
    banner->setActive(true);
    ASSERT_TRUE(waitUntil([&] { return banner->scrollOffset().x() < 100; }));

    banner->setActive(false);
    QApplication::processEvents();
    const QPoint stopped = banner->scrollOffset();
    QTest::qWait(30);
    EXPECT_EQ(banner->scrollOffset(), stopped);
}

} // namespace
} // namespace prismora
