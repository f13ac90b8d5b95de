// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Plane shapes for drawing sprites.
#include "shapes.h"

#include <cmath>
#include <numbers>
#include <utility>

namespace prismora::spritegen {

Shape rect(double left, double top, double right, double bottom)
{
    return
        [=](QPointF p) { return p.x() >= left && p.x() < right && p.y() >= top && p.y() < bottom; };
}

Shape ellipse(QPointF centre, double radiusX, double radiusY)
{
    return [=](QPointF p) {
        const double dx = (p.x() - centre.x()) / radiusX;
        const double dy = (p.y() - centre.y()) / radiusY;
        return dx * dx + dy * dy <= 1.0;
    };
}

Shape disc(QPointF centre, double radius) { return ellipse(centre, radius, radius); }

Shape ring(QPointF centre, double outer, double inner)
{
    return [=](QPointF p) {
        const double distance = std::hypot(p.x() - centre.x(), p.y() - centre.y());
        return distance >= inner && distance <= outer;
    };
}

Shape polygon(std::vector<QPointF> points)
{
    return [points = std::move(points)](QPointF p) {
        bool inside = false;
        for (std::size_t i = 0, j = points.size() - 1; i < points.size(); j = i++) {
            const QPointF a = points[i];
            const QPointF b = points[j];
            if ((a.y() > p.y()) != (b.y() > p.y()) &&
                p.x() < (b.x() - a.x()) * (p.y() - a.y()) / (b.y() - a.y()) + a.x()) {
                inside = !inside;
            }
        }
        return inside;
    };
}

Shape band(QPointF from, QPointF to, double width)
{
    const QPointF along = to - from;
    const double length = std::hypot(along.x(), along.y());
    const QPointF unit = along / length;
    return [=](QPointF p) {
        const QPointF d = p - from;
        const double t = d.x() * unit.x() + d.y() * unit.y();
        const double side = d.x() * unit.y() - d.y() * unit.x();
        return t >= 0 && t <= length && std::abs(side) <= width / 2;
    };
}

Shape arrow(QPointF tail, QPointF tip, double shaftWidth, double headWidth, double headLength)
{
    const QPointF along = tip - tail;
    const double length = std::hypot(along.x(), along.y());
    const QPointF unit = along / length;
    const QPointF normal(-unit.y(), unit.x());
    const QPointF headBase = tip - unit * headLength;
    const Shape head =
        polygon({tip, headBase + normal * (headWidth / 2), headBase - normal * (headWidth / 2)});
    return band(tail, headBase + unit * 0.5, shaftWidth) | head;
}

QPointF polar(QPointF centre, double degrees, double radius)
{
    const double radians = degrees * std::numbers::pi / 180.0;
    return centre + QPointF(std::cos(radians), -std::sin(radians)) * radius;
}

Shape ray(QPointF centre, double degrees, double inner, double outer, double baseWidth)
{
    const QPointF base = polar(centre, degrees, inner);
    const QPointF side = polar(QPointF(0, 0), degrees + 90.0, baseWidth / 2);
    return polygon({base + side, polar(centre, degrees, outer), base - side});
}

Shape operator|(Shape a, Shape b)
{
    return [a = std::move(a), b = std::move(b)](QPointF p) { return a(p) || b(p); };
}

Shape operator&(Shape a, Shape b)
{
    return [a = std::move(a), b = std::move(b)](QPointF p) { return a(p) && b(p); };
}

Shape operator-(Shape a, Shape b)
{
    return [a = std::move(a), b = std::move(b)](QPointF p) { return a(p) && !b(p); };
}

} // namespace prismora::spritegen
