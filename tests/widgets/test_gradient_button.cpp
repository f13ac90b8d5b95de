// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Tests of the gradient button's face: backgrounds, edges, caption placement and repaints.
#include "widgets/face_painting.h"
#include "widgets/gradient_button.h"

#include "test_pictures.h"

#include <QApplication>
#include <QEnterEvent>
#include <QPainter>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

#include <memory>

namespace prismora {
namespace {

QImage paintFace(GradientButton& button, const GradientButton::FaceState& state = {},
                 QRgb underlay = qRgb(255, 0, 255))
{
    QImage image(button.size(), QImage::Format_RGB32);
    image.fill(underlay);
    QPainter painter(&image);
    button.paintFace(painter, state);
    return image;
}

std::unique_ptr<GradientButton> flatWallpaperButton(const QImage& wallpaper, QSize size = {153, 25})
{
    auto button = std::make_unique<GradientButton>();
    button->resize(size);
    button->setPalette(edgePalette());
    button->setOptions(GradientButton::Option::PaintWallpaper | GradientButton::Option::FlatBorder);
    button->setWallpaper(wallpaper);
    return button;
}

TEST(ScaleRounded, RoundsToNearestWithHalvesAwayFromZero)
{
    EXPECT_EQ(scaleRounded(1, 64, 128), 1);
    EXPECT_EQ(scaleRounded(1, 63, 128), 0);
    EXPECT_EQ(scaleRounded(-1, 64, 128), -1);
    EXPECT_EQ(scaleRounded(1, -63, 128), 0);
    EXPECT_EQ(scaleRounded(3, 5, -2), -8);
    EXPECT_EQ(scaleRounded(70000, 70000, 70000), 70000); // product beyond 32 bits
    EXPECT_EQ(scaleRounded(1, 1, 0), -1);
}

TEST(GradientButtonWallpaper, TiledFromTheFaceTopLeftCorner)
{
    const QImage big = coordinateWallpaper(256, 256);
    auto button = flatWallpaperButton(big);
    QImage face = paintFace(*button);
    EXPECT_EQ(face, big.copy(0, 0, 153, 25));

    // A picture smaller than the face repeats, one picture size apart.
    const QImage small = coordinateWallpaper(40, 10);
    button->setWallpaper(small);
    face = paintFace(*button);
    for (int y = 0; y < 25; ++y)
        for (int x = 0; x < 153; ++x)
            ASSERT_EQ(face.pixel(x, y), small.pixel(x % 40, y % 10)) << x << "," << y;
}

TEST(GradientButtonWallpaper, StretchedCoversTheWholeFace)
{
    QImage twoByTwo(2, 2, QImage::Format_RGB32);
    twoByTwo.setPixel(0, 0, qRgb(255, 0, 0));
    twoByTwo.setPixel(1, 0, qRgb(0, 255, 0));
    twoByTwo.setPixel(0, 1, qRgb(0, 0, 255));
    twoByTwo.setPixel(1, 1, qRgb(9, 9, 9));
    auto button = flatWallpaperButton(twoByTwo, {20, 10});
    button->setOptions(button->options() | GradientButton::Option::StretchWallpaper);
    const QImage face = paintFace(*button);
    EXPECT_EQ(face.pixel(9, 4), qRgb(255, 0, 0));
    EXPECT_EQ(face.pixel(10, 4), qRgb(0, 255, 0));
    EXPECT_EQ(face.pixel(9, 5), qRgb(0, 0, 255));
    EXPECT_EQ(face.pixel(19, 9), qRgb(9, 9, 9));
}

TEST(GradientButtonGradient, BandsAndBoundaries)
{
    GradientButton button;
    button.resize(300, 8);
    button.setOptions(GradientButton::Option::PaintGradiently | GradientButton::Option::FlatBorder);
    button.setColorStart(QColor(0, 255, 0));
    button.setColorEnd(QColor(255, 0, 10));
    QImage face = paintFace(button);
    // 300 pixels in 128 bands: band 0 is [0, 2), band 1 is [2, 5), band 127 is [298, 300).
    EXPECT_EQ(face.pixel(1, 3), qRgb(0, 255, 0));
    EXPECT_EQ(face.pixel(2, 3), qRgb(2, 253, 0));
    EXPECT_EQ(face.pixel(4, 3), qRgb(2, 253, 0));
    EXPECT_EQ(face.pixel(5, 3), qRgb(4, 251, 0));
    // Band 64: halves round away from zero (127.5 up, -127.5 down); band 127: 253 up and 253 down.
    EXPECT_EQ(face.pixel(150, 0), qRgb(128, 127, 5));
    EXPECT_EQ(face.pixel(299, 7), qRgb(253, 2, 10));

    // 25 rows: bands 0 and 1 are empty, band 2 paints row 0, band 125 the last row.
    button.resize(10, 25);
    button.setGradientDirection(GradientDirection::Vertical);
    face = paintFace(button);
    EXPECT_EQ(face.pixel(5, 0), qRgb(4, 251, 0));
    EXPECT_EQ(face.pixel(0, 24), qRgb(249, 6, 10));
    EXPECT_EQ(face.pixel(9, 24), face.pixel(0, 24));
}

// Paints a coordinate pattern, so a copy of it shows where it came from.
class PatternWidget : public QWidget {
public:
    explicit PatternWidget(QWidget* parent = nullptr)
        : QWidget(parent), m_pattern(coordinateWallpaper(256, 256))
    {
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.drawImage(0, 0, m_pattern);
    }

private:
    QImage m_pattern;
};

TEST(GradientButtonBackground, PrecedenceOfTheBackgroundOptions)
{
    PatternWidget top;
    top.resize(200, 100);
    QWidget middle(&top);
    middle.setGeometry(20, 10, 150, 80);
    auto* button = new GradientButton(&middle);
    button->setGeometry(5, 5, 30, 12);
    button->setPalette(edgePalette());
    button->setWallpaper(coordinateWallpaper(256, 256));
    button->setColorStart(QColor(1, 2, 3));
    button->setColorEnd(QColor(1, 2, 3));
    button->setColor(QColor(40, 50, 60));
    const GradientButton::Options flat = GradientButton::Option::FlatBorder;

    button->setOptions(flat);
    EXPECT_EQ(paintFace(*button).pixel(3, 3), qRgb(40, 50, 60));
    button->setOptions(flat | GradientButton::Option::PaintGradiently);
    EXPECT_EQ(paintFace(*button).pixel(3, 3), qRgb(1, 2, 3));
    button->setOptions(flat | GradientButton::Option::PaintGradiently |
                       GradientButton::Option::PaintWallpaper);
    EXPECT_EQ(paintFace(*button).pixel(3, 3), qRgb(3, 3, 77));

    // Transparently wins; each level takes the part behind the button from one
    // ancestor higher, and the climb stops at the top-level window.
    button->setOptions(flat | GradientButton::Option::PaintGradiently |
                       GradientButton::Option::PaintWallpaper |
                       GradientButton::Option::PaintTransparently);
    button->setTransparencyLevel(1);
    EXPECT_EQ(paintFace(*button).pixel(3, 3), qRgb(28, 18, 77));
    button->setTransparencyLevel(255);
    EXPECT_EQ(paintFace(*button).pixel(3, 3), qRgb(28, 18, 77));
}

TEST(GradientButtonBackground, WallpaperOptionWithoutPictureLeavesTheUnderlay)
{
    auto button = flatWallpaperButton(QImage());
    button->setOptions(button->options() | GradientButton::Option::PaintGradiently);
    const QImage face = paintFace(*button, {}, qRgb(255, 0, 255));
    EXPECT_EQ(face.pixel(0, 0), qRgb(255, 0, 255));
    EXPECT_EQ(face.pixel(152, 24), qRgb(255, 0, 255));
}

TEST(GradientButtonEdges, RaisedEdgeFollowsThePointerAndSunkenEdgeWhilePressed)
{
    const QImage wallpaper = coordinateWallpaper(256, 256);
    auto button = flatWallpaperButton(wallpaper, {60, 20});
    int entered = 0;
    int left = 0;
    QObject::connect(button.get(), &GradientButton::mouseEntered, [&] { ++entered; });
    QObject::connect(button.get(), &GradientButton::mouseLeft, [&] { ++left; });
    const QPalette palette = edgePalette();

    EXPECT_EQ(button->grab().toImage().pixel(0, 0), wallpaper.pixel(0, 0));

    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QApplication::sendEvent(button.get(), &enter);
    EXPECT_EQ(entered, 1);
    QImage face = button->grab().toImage();
    EXPECT_EQ(face.pixel(0, 0), palette.color(QPalette::Midlight).rgb());
    EXPECT_EQ(face.pixel(1, 1), palette.color(QPalette::Light).rgb());
    EXPECT_EQ(face.pixel(58, 18), palette.color(QPalette::Dark).rgb());
    EXPECT_EQ(face.pixel(59, 19), palette.color(QPalette::Shadow).rgb());
    EXPECT_EQ(face.pixel(2, 2), wallpaper.pixel(2, 2));

    button->setDown(true);
    face = button->grab().toImage();
    EXPECT_EQ(face.pixel(0, 0), palette.color(QPalette::Shadow).rgb());
    EXPECT_EQ(face.pixel(59, 19), palette.color(QPalette::Midlight).rgb());
    EXPECT_EQ(face.pixel(1, 1), wallpaper.pixel(1, 1));
    button->setDown(false);

    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(button.get(), &leave);
    EXPECT_EQ(left, 1);
    EXPECT_EQ(button->grab().toImage().pixel(0, 0), wallpaper.pixel(0, 0));

    // Without the flat option the raised edge is always there.
    button->setOptions(GradientButton::Option::PaintWallpaper);
    EXPECT_EQ(button->grab().toImage().pixel(0, 0), palette.color(QPalette::Midlight).rgb());
}

TEST(GradientButtonCaption, WiderThanTheButtonStartsLeftOfItAndIsClipped)
{
    const QString caption = QStringLiteral("Spara spelet som bild");
    // Without antialiasing, glyph edges do not depend on the sub-pixel phase.
    QFont font;
    font.setStyleStrategy(QFont::NoAntialias);
    const int textWidth = QFontMetrics(font).horizontalAdvance(caption);
    auto makeButton = [&](int width) {
        auto button = std::make_unique<GradientButton>(caption);
        button->setFont(font);
        button->resize(width, 25);
        button->setPalette(edgePalette());
        button->setOptions(GradientButton::Option::FlatBorder);
        button->setColor(Qt::black);
        button->setSimpleView(true);
        return button;
    };
    // Wide: left edge (40 + 1) / 2 = 20. Narrow: (-5) / 2 truncates to -2.
    auto wide = makeButton(textWidth + 40);
    auto narrow = makeButton(textWidth - 6);
    const QImage wideFace = paintFace(*wide);
    const QImage narrowFace = paintFace(*narrow);
    const int shift = 20 - (-2);
    bool inked = false;
    for (int y = 0; y < 25; ++y) {
        for (int x = 0; x < narrow->width(); ++x) {
            ASSERT_EQ(narrowFace.pixel(x, y), wideFace.pixel(x + shift, y)) << x << "," << y;
            inked = inked || narrowFace.pixel(x, y) != qRgb(0, 0, 0);
        }
    }
    EXPECT_TRUE(inked);

    // Pressed: the caption moves one pixel right and down inside the sunken edge.
    GradientButton::FaceState pressed;
    pressed.pressed = true;
    const QImage pressedFace = paintFace(*wide, pressed);
    for (int y = 1; y < 23; ++y)
        for (int x = 1; x < wide->width() - 2; ++x)
            ASSERT_EQ(pressedFace.pixel(x + 1, y + 1), wideFace.pixel(x, y)) << x << "," << y;
}

TEST(GradientButtonProperties, SettersRepaintOnlyOnARealChange)
{
    QWidget window;
    window.resize(200, 60);
    auto* button = new GradientButton(QStringLiteral("OK"), &window);
    button->setGeometry(10, 10, 100, 25);
    button->setOptions(GradientButton::Option::PaintWallpaper);
    button->setWallpaper(coordinateWallpaper(16, 16));
    int paints = 0;
    QObject::connect(button, &GradientButton::drawButton, [&] { ++paints; });
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QApplication::processEvents();
    paints = 0;

    button->setOptions(button->options());
    button->setWallpaper(coordinateWallpaper(16, 16));
    button->setColor(button->color());
    button->setSimpleView(button->simpleView());
    button->setShadowColor(button->shadowColor());
    button->setShadowSize(button->shadowSize());
    button->setShadowPos(button->shadowPos());
    button->setTransparencyLevel(button->transparencyLevel());
    button->setPaintOptions(button->paintOptions());
    // The gradient does not show while it is not painted.
    button->setColorStart(Qt::green);
    button->setColorEnd(Qt::darkGreen);
    button->setGradientDirection(GradientDirection::Vertical);
    QApplication::processEvents();
    EXPECT_EQ(paints, 0);

    button->setSimpleView(true);
    button->setShadowSize(3);
    EXPECT_FALSE(button->simpleView());
    QApplication::processEvents();
    EXPECT_GT(paints, 0);
}

TEST(GradientButtonKeys, SpaceEnterAndReturnClickTheFocusedButton)
{
    QWidget window;
    auto* button = new GradientButton(QStringLiteral("Nästa"), &window);
    int clicks = 0;
    QObject::connect(button, &QPushButton::clicked, [&] { ++clicks; });
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    button->setFocus();
    QTest::keyClick(button, Qt::Key_Space);
    QTest::keyClick(button, Qt::Key_Return);
    QTest::keyClick(button, Qt::Key_Enter);
    EXPECT_EQ(clicks, 3);
}

} // namespace
} // namespace prismora
