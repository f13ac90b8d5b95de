// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A 48 x 48 drawing surface for one sprite, hard-edged and in the standard colours.
#pragma once

#include "shapes.h"

#include <QImage>
#include <QPoint>
#include <QRgb>

namespace prismora::spritegen {

inline constexpr int SpriteSize = 48;
// The cell centre, where beams cross the sprite; pictures are symmetric about it.
inline constexpr QPointF Centre(24.0, 24.0);

class Canvas {
public:
    // A sprite-sized surface filled with white (the transparent colour on the board).
    Canvas();

    void fillAll(QRgb colour);
    void fill(const Shape& shape, QRgb colour);
    // Pixels outside `shape` but within `width` pixels of it (1 = edge neighbours,
    // 1.5 = also corner neighbours); draw before filling the shape itself.
    void outline(const Shape& shape, QRgb colour, double width = 1.5);
    // Outline, then fill: the usual look of a solid part with a black edge.
    void fillOutlined(const Shape& shape, QRgb fill, QRgb line = 0xFF000000, double width = 1.5);
    // Pixels of `shape` whose neighbour at `offset` lies outside it: a rim on one
    // side of the shape, for highlights and shadows.
    void rim(const Shape& shape, QPoint offset, QRgb colour);

    // The picture with every pixel mapped to the nearest standard colour, alpha 255.
    QImage image() const;

private:
    bool covers(const Shape& shape, int x, int y) const;
    QImage m_image;
};

} // namespace prismora::spritegen
