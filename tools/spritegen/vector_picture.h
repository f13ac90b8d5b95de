// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A picture of filled and outlined plane figures, drawn at any pixel size or written as SVG.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QPointF>
#include <QRgb>

#include <vector>

namespace prismora::spritegen {

// One figure in picture units (x to the right, y downwards). Its outline, when
// it has one, is centred on the edge, as SVG strokes are.
struct Figure {
    enum class Kind { Rectangle, Circle, Polygon };
    Kind kind = Kind::Polygon;
    // Rectangle: top-left and bottom-right corners; Circle: the centre;
    // Polygon: the corners in order.
    std::vector<QPointF> points;
    // Circle: the radius; Rectangle: the corner radius (0 for square corners).
    double radius = 0;
    QRgb fill = 0xFF000000;
    // An outline of `outlineWidth` units in `outline`; none when the width is 0.
    QRgb outline = 0xFF000000;
    double outlineWidth = 0;
};

Figure rectangleFigure(QPointF topLeft, QPointF bottomRight, double cornerRadius, QRgb fill);
Figure circleFigure(QPointF centre, double radius, QRgb fill);
Figure polygonFigure(std::vector<QPointF> corners, QRgb fill);
// The same figure with an outline.
Figure outlined(Figure figure, double width, QRgb colour = 0xFF000000);

// Figures painted in order on a transparent square of `size` units.
class VectorPicture {
public:
    explicit VectorPicture(double size) : m_size(size) {}

    void add(Figure figure) { m_figures.push_back(std::move(figure)); }

    // The picture antialiased on `pixels` x `pixels`, Format_ARGB32 (straight alpha).
    QImage render(int pixels) const;
    // The picture as an SVG document, numbers written with at most three
    // decimals so the text is the same on every run.
    QByteArray svg() const;

private:
    double m_size;
    std::vector<Figure> m_figures;
};

} // namespace prismora::spritegen
