// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Plane shapes for drawing sprites: each answers whether a point lies inside it.
#pragma once

#include <QPointF>

#include <functional>
#include <vector>

namespace prismora::spritegen {

// A shape in sprite coordinates: x to the right, y downwards, pixel (i, j)
// covering the square [i, i+1) x [j, j+1). A pixel belongs to a shape when its
// centre (i + 0.5, j + 0.5) does, so drawing is hard-edged and exact.
using Shape = std::function<bool(QPointF)>;

Shape rect(double left, double top, double right, double bottom);
Shape ellipse(QPointF centre, double radiusX, double radiusY);
Shape disc(QPointF centre, double radius);
// Points whose distance from `centre` lies in [inner, outer].
Shape ring(QPointF centre, double outer, double inner);
// Even-odd filled polygon through `points`.
Shape polygon(std::vector<QPointF> points);
// Straight strip of `width` from `from` to `to` with square ends.
Shape band(QPointF from, QPointF to, double width);
// Arrow with its tail at `tail` and its point at `tip`.
Shape arrow(QPointF tail, QPointF tip, double shaftWidth, double headWidth, double headLength);
// Thin wedge pointing outwards from `centre` at `degrees` (counter-clockwise on
// screen from east), from radius `inner` (where it is `baseWidth` wide) to `outer`.
Shape ray(QPointF centre, double degrees, double inner, double outer, double baseWidth);

// A point at `radius` from `centre` in the direction `degrees` (counter-clockwise on screen).
QPointF polar(QPointF centre, double degrees, double radius);

Shape operator|(Shape a, Shape b); // union
Shape operator&(Shape a, Shape b); // intersection
Shape operator-(Shape a, Shape b); // a without b

} // namespace prismora::spritegen
