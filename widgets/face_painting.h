// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Drawing helpers of the gradient button and the banner: wallpaper, gradient, edges, shadowed text.
#pragma once

#include "widgets/drawing_types.h"

#include <QColor>
#include <QPalette>
#include <QRect>
#include <QSize>
#include <QString>

#include <cstdint>

class QImage;
class QPainter;

namespace prismora {

// a·b/c rounded to the nearest integer, halves away from zero, computed in 64
// bits so the product cannot overflow. Returns -1 when c is 0.
int scaleRounded(int a, int b, int c);

// Covers rect with the picture: tiled copies placed from rect's top-left
// corner, each clipped to rect, or one copy scaled to rect. Pixels are copied
// as they are (no blending, no smoothing). When the painter maps one logical
// pixel to a whole number of device pixels, each picture pixel becomes such a
// block, so a 2x screen shows the picture sharp. A null picture paints nothing.
void paintWallpaper(QPainter& painter, const QRect& rect, const QImage& wallpaper,
                    WallpaperFit fit);

// The size in device pixels of a picture covering logicalSize at devicePixelRatio.
QSize deviceImageSize(const QSize& logicalSize, qreal devicePixelRatio);

// A transparent off-screen picture covering logicalSize at devicePixelRatio:
// painted in logical coordinates, drawn back 1:1 onto a device of that ratio.
QImage makeDeviceImage(const QSize& logicalSize, qreal devicePixelRatio);

// Fills rect with 128 bands from start to end; band i covers the offsets
// scaleRounded(i, size, 128) up to scaleRounded(i + 1, size, 128) across the
// direction and has each channel start + scaleRounded(i, end - start, 128).
void paintGradient(QPainter& painter, const QRect& rect, const QColor& start, const QColor& end,
                   GradientDirection direction);

// Draws a 1-pixel frame just inside rect and shrinks rect by 1 on each side.
void drawFrame(QPainter& painter, QRect& rect, const QColor& color);

// The 2-pixel raised edge (light top-left, dark bottom-right); shrinks rect by 2.
void drawRaisedEdge(QPainter& painter, QRect& rect, const QPalette& palette);

// The 1-pixel sunken inner edge (dark top-left, light bottom-right); shrinks rect by 1.
void drawSunkenInnerEdge(QPainter& painter, QRect& rect, const QPalette& palette);

// A dotted rectangle that inverts every other pixel of rect's outline.
void drawFocusRect(QPainter& painter, const QRect& rect);

// The shadow settings of a caption; simpleView draws no shadow at all.
struct TextShadow {
    QColor color;
    std::uint8_t size = 1;
    ShadowPosition position = ShadowPosition::LeftTop;
    bool simpleView = false;
};

// How a caption is drawn: plain, with a shadow, or embossed when disabled.
struct TextLook {
    QColor textColor;
    QColor highlightColor; // emboss: the lighter copy, 1 pixel right and down
    QColor darkColor;      // emboss: the darker copy, at the normal place
    TextShadow shadow;
    TextState state = TextState::Enabled;
};

// The look of a control's text: colour from the palette role, emboss colours
// from the palette's light and dark roles.
TextLook makeTextLook(const QPalette& palette, QPalette::ColorRole textRole,
                      const TextShadow& shadow, TextState state);

// Offsets of the shadow and of the text from the place the text was laid out
// for, by shadow position and size.
struct ShadowOffsets {
    QPoint shadow;
    QPoint text;
};
ShadowOffsets shadowOffsets(ShadowPosition position, int size);

// Draws text in rect with the Qt text flags, background left untouched,
// in the look given (shadow first, then the text; or the emboss when disabled).
void drawLookedText(QPainter& painter, const QRect& rect, int flags, const QString& text,
                    const TextLook& look);

} // namespace prismora
