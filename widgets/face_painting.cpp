// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Drawing helpers of the gradient button and the banner: wallpaper, gradient, edges, shadowed text.
#include "widgets/face_painting.h"

#include <QImage>
#include <QPainter>
#include <QPalette>
#include <QTransform>
#include <QtMath>

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace prismora {

namespace {

constexpr int kGradientBands = 128;

int channelStep(int start, int end, int band)
{
    return start + scaleRounded(band, end - start, kGradientBands);
}

// Top and left lines in one colour, bottom and right in another (which wins the
// two shared corners), then the rectangle shrinks by one.
void drawEdgeRing(QPainter& painter, QRect& rect, const QColor& topLeft, const QColor& bottomRight)
{
    if (rect.width() <= 0 || rect.height() <= 0)
        return;
    painter.fillRect(QRect(rect.left(), rect.top(), rect.width(), 1), topLeft);
    painter.fillRect(QRect(rect.left(), rect.top(), 1, rect.height()), topLeft);
    painter.fillRect(QRect(rect.left(), rect.bottom(), rect.width(), 1), bottomRight);
    painter.fillRect(QRect(rect.right(), rect.top(), 1, rect.height()), bottomRight);
    rect.adjust(1, 1, -1, -1);
}

// Device pixels per logical pixel when the painter maps to its device by one
// whole factor in both directions (plus a shift); 1 otherwise.
int wholeDeviceScale(const QPainter& painter)
{
    const QTransform transform = painter.deviceTransform();
    if (transform.type() > QTransform::TxScale)
        return 1;
    const int factor = qRound(transform.m11());
    const bool isWhole = factor > 1 && qFuzzyCompare(transform.m11(), qreal(factor)) &&
                         qFuzzyCompare(transform.m22(), qreal(factor));
    return isWhole ? factor : 1;
}

// Tiles from rect's top-left corner. On a device with a whole scale factor the
// part of the picture the tiles use is first enlarged by that factor, so every
// tile is a plain copy in device pixels.
void paintTiles(QPainter& painter, const QRect& rect, const QImage& wallpaper)
{
    const int tileWidth = wallpaper.width();
    const int tileHeight = wallpaper.height();
    const int factor = wholeDeviceScale(painter);
    QImage tile = wallpaper;
    if (factor > 1) {
        const QSize used(std::min(tileWidth, rect.width()), std::min(tileHeight, rect.height()));
        tile = wallpaper.copy(QRect(QPoint(0, 0), used))
                   .scaled(used * factor, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        tile.setDevicePixelRatio(factor);
    }
    for (int y = rect.top(); y <= rect.bottom(); y += tileHeight) {
        for (int x = rect.left(); x <= rect.right(); x += tileWidth) {
            const int width = std::min(tileWidth, rect.right() + 1 - x);
            const int height = std::min(tileHeight, rect.bottom() + 1 - y);
            painter.drawImage(QPoint(x, y), tile, QRect(0, 0, width * factor, height * factor));
        }
    }
}

} // namespace

int scaleRounded(int a, int b, int c)
{
    if (c == 0)
        return -1;
    const std::int64_t product = static_cast<std::int64_t>(a) * b;
    const bool negative = (product < 0) != (c < 0);
    const std::int64_t magnitude = std::llabs(product);
    const std::int64_t divisor = std::llabs(static_cast<std::int64_t>(c));
    const std::int64_t rounded = (magnitude + divisor / 2) / divisor;
    return static_cast<int>(negative ? -rounded : rounded);
}

void paintWallpaper(QPainter& painter, const QRect& rect, const QImage& wallpaper, WallpaperFit fit)
{
    if (wallpaper.isNull() || rect.isEmpty())
        return;
    painter.save();
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    if (fit == WallpaperFit::Stretched)
        painter.drawImage(rect, wallpaper);
    else
        paintTiles(painter, rect, wallpaper);
    painter.restore();
}

QSize deviceImageSize(const QSize& logicalSize, qreal devicePixelRatio)
{
    return {qCeil(logicalSize.width() * devicePixelRatio),
            qCeil(logicalSize.height() * devicePixelRatio)};
}

QImage makeDeviceImage(const QSize& logicalSize, qreal devicePixelRatio)
{
    QImage image(deviceImageSize(logicalSize, devicePixelRatio),
                 QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(Qt::transparent);
    return image;
}

void paintGradient(QPainter& painter, const QRect& rect, const QColor& start, const QColor& end,
                   GradientDirection direction)
{
    const bool stripesAcrossX = direction == GradientDirection::Horizontal;
    const int size = stripesAcrossX ? rect.width() : rect.height();
    for (int band = 0; band < kGradientBands; ++band) {
        const int from = scaleRounded(band, size, kGradientBands);
        const int to = scaleRounded(band + 1, size, kGradientBands);
        if (to <= from)
            continue;
        const QColor color(channelStep(start.red(), end.red(), band),
                           channelStep(start.green(), end.green(), band),
                           channelStep(start.blue(), end.blue(), band));
        const QRect stripe = stripesAcrossX
                                 ? QRect(rect.left() + from, rect.top(), to - from, rect.height())
                                 : QRect(rect.left(), rect.top() + from, rect.width(), to - from);
        painter.fillRect(stripe, color);
    }
}

void drawFrame(QPainter& painter, QRect& rect, const QColor& color)
{
    drawEdgeRing(painter, rect, color, color);
}

void drawRaisedEdge(QPainter& painter, QRect& rect, const QPalette& palette)
{
    drawEdgeRing(painter, rect, palette.color(QPalette::Midlight), palette.color(QPalette::Shadow));
    drawEdgeRing(painter, rect, palette.color(QPalette::Light), palette.color(QPalette::Dark));
}

void drawSunkenInnerEdge(QPainter& painter, QRect& rect, const QPalette& palette)
{
    drawEdgeRing(painter, rect, palette.color(QPalette::Shadow), palette.color(QPalette::Midlight));
}

void drawFocusRect(QPainter& painter, const QRect& rect)
{
    if (rect.width() <= 0 || rect.height() <= 0)
        return;
    painter.save();
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    const QColor invert(255, 255, 255);
    auto dot = [&](int x, int y) {
        if ((x + y) % 2 == 0)
            painter.fillRect(QRect(x, y, 1, 1), invert);
    };
    for (int x = rect.left(); x <= rect.right(); ++x) {
        dot(x, rect.top());
        if (rect.bottom() != rect.top())
            dot(x, rect.bottom());
    }
    for (int y = rect.top() + 1; y < rect.bottom(); ++y) {
        dot(rect.left(), y);
        if (rect.right() != rect.left())
            dot(rect.right(), y);
    }
    painter.restore();
}

ShadowOffsets shadowOffsets(ShadowPosition position, int size)
{
    switch (position) {
    case ShadowPosition::LeftTop:
        return {QPoint(0, 0), QPoint(size, size)};
    case ShadowPosition::LeftBottom:
        return {QPoint(0, size), QPoint(size, 0)};
    case ShadowPosition::RightBottom:
        return {QPoint(size, size), QPoint(0, 0)};
    case ShadowPosition::RightTop:
        return {QPoint(size, 0), QPoint(0, size)};
    }
    return {};
}

TextLook makeTextLook(const QPalette& palette, QPalette::ColorRole textRole,
                      const TextShadow& shadow, TextState state)
{
    TextLook look;
    look.textColor = palette.color(textRole);
    look.highlightColor = palette.color(QPalette::Light);
    look.darkColor = palette.color(QPalette::Dark);
    look.shadow = shadow;
    look.state = state;
    return look;
}

void drawLookedText(QPainter& painter, const QRect& rect, int flags, const QString& text,
                    const TextLook& look)
{
    painter.save();
    painter.setBackgroundMode(Qt::TransparentMode);
    auto drawAt = [&](const QPoint& offset, const QColor& color) {
        painter.setPen(color);
        painter.drawText(rect.translated(offset), flags, text);
    };
    if (look.state == TextState::Disabled) {
        drawAt(QPoint(1, 1), look.highlightColor);
        drawAt(QPoint(0, 0), look.darkColor);
    } else if (look.shadow.simpleView) {
        drawAt(QPoint(0, 0), look.textColor);
    } else {
        const ShadowOffsets offsets = shadowOffsets(look.shadow.position, look.shadow.size);
        drawAt(offsets.shadow, look.shadow.color);
        drawAt(offsets.text, look.textColor);
    }
    painter.restore();
}

} // namespace prismora
