// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Tests on a 2x screen: button faces and banner frames are drawn in device pixels, not enlarged.
#include "widgets/gradient_button.h"
#include "widgets/scrolling_banner.h"

#include "test_pictures.h"

#include <QApplication>
#include <QEnterEvent>
#include <gtest/gtest.h>

namespace prismora {
namespace {

// True when some 2 × 2 block of device pixels in area is not one colour:
// something was drawn finer than a logical pixel.
bool hasDeviceDetail(const QImage& image, const QRect& area)
{
    for (int y = area.top(); y < area.bottom(); y += 2)
        for (int x = area.left(); x < area.right(); x += 2) {
            const QRgb corner = image.pixel(x, y);
            if (image.pixel(x + 1, y) != corner || image.pixel(x, y + 1) != corner ||
                image.pixel(x + 1, y + 1) != corner)
                return true;
        }
    return false;
}

// CTest runs this with QT_SCALE_FACTOR=2.
TEST(HiDpi, ButtonAndBannerPaintAtDevicePixels)
{
    GradientButton button(QStringLiteral("Nytt spel"));
    if (button.devicePixelRatio() != 2)
        GTEST_SKIP() << "needs a 2x screen (QT_SCALE_FACTOR=2)";
    const QImage wallpaper = coordinateWallpaper(40, 10);
    const QPalette palette = edgePalette();
    button.resize(153, 25);
    button.setPalette(palette);
    button.setOptions(GradientButton::Option::PaintWallpaper | GradientButton::Option::FlatBorder);
    button.setWallpaper(wallpaper);
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QApplication::sendEvent(&button, &enter);

    // Above the caption: the two edge rings and the tiles, each logical pixel
    // a 2 × 2 block of exactly its colour, also across edge and tile steps.
    const QImage face = button.grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(face.size(), QSize(306, 50));
    auto logical = [&](int x, int y) {
        // Each ring's right side wins its corners.
        if (x == 152)
            return palette.color(QPalette::Shadow).rgb();
        if (y == 0 || x == 0)
            return palette.color(QPalette::Midlight).rgb();
        if (x == 151)
            return palette.color(QPalette::Dark).rgb();
        if (y == 1 || x == 1)
            return palette.color(QPalette::Light).rgb();
        return wallpaper.pixel(x % 40, y % 10);
    };
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 306; ++x)
            ASSERT_EQ(face.pixel(x, y), logical(x / 2, y / 2)) << x << "," << y;
    EXPECT_TRUE(hasDeviceDetail(face, QRect(8, 8, 290, 34)));

    // The banner's frame: wallpaper alone while the text waits beyond the right
    // edge, then text finer than a logical pixel.
    ScrollingBanner banner;
    banner.resize(225, 25);
    banner.setWallpaper(wallpaper);
    banner.setStrings({QStringLiteral("Gör egna banor")});
    banner.show();
    QImage frame = banner.grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(frame.size(), QSize(450, 50));
    for (int y = 0; y < 50; ++y)
        for (int x = 0; x < 450; ++x)
            ASSERT_EQ(frame.pixel(x, y), wallpaper.pixel(x / 2 % 40, y / 2 % 10)) << x << "," << y;
    for (int step = 0; step < 225; ++step)
        banner.scrollStep();
    frame = banner.grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_TRUE(hasDeviceDetail(frame, frame.rect()));
}

} // namespace
} // namespace prismora
