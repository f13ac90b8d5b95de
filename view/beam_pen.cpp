// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Beam segments drawn with the 10-pixel pen, clipped around the board.
#include "view/beam_pen.h"

#include "view/board_geometry.h"

#include <QLineF>
#include <QPainter>
#include <QPen>

#include <algorithm>
#include <optional>

namespace prismora {
namespace {

// Segments are clipped to the board plus this margin: wide enough that the
// pen's round ends at a clipped end point never reach the board.
constexpr std::int64_t ClipMargin = 2 * BeamWidth;
// Pieces of a segment up to this long (on each axis) that touch the box have
// coordinates small enough for exact clipping in doubles.
constexpr std::int64_t ShortPiece = 4096;

struct Point {
    std::int64_t x;
    std::int64_t y;
};

// The clipping box in device pixels, from `low` to `high` on both axes.
struct ClipBox {
    std::int64_t low;
    std::int64_t high;

    bool contains(Point p) const { return p.x >= low && p.x <= high && p.y >= low && p.y <= high; }
    bool isTouchedBy(Point a, Point b) const
    {
        return std::min(a.x, b.x) <= high && std::max(a.x, b.x) >= low &&
               std::min(a.y, b.y) <= high && std::max(a.y, b.y) >= low;
    }
};

// Beams reach at most one cell past the 32-bit range, so pixel coordinates
// stay within a few times 2^37 and their differences fit 64 bits.
std::int64_t halfway(std::int64_t a, std::int64_t b) { return a + (b - a) / 2; }

bool isShort(Point a, Point b)
{
    const auto span = [](std::int64_t p, std::int64_t q) {
        const std::int64_t d = q - p;
        return d <= ShortPiece && d >= -ShortPiece;
    };
    return span(a.x, b.x) && span(a.y, b.y);
}

// Narrows a segment with end points anywhere a beam can reach down to the
// part near the box by halving it exactly in integers: `first` and `last`
// become the ends of the run of short pieces that touch the box. Each level
// keeps at most a few pieces, so this takes at most a few hundred steps.
void narrowToBox(const ClipBox& box, Point a, Point b, std::optional<Point>& first, Point& last)
{
    if (!box.isTouchedBy(a, b)) {
        return;
    }
    if (isShort(a, b)) {
        if (!first) {
            first = a;
        }
        last = b;
        return;
    }
    const Point middle{halfway(a.x, b.x), halfway(a.y, b.y)};
    narrowToBox(box, a, middle, first, last);
    narrowToBox(box, middle, b, first, last);
}

// Liang-Barsky clipping of a segment to the box. Its end points lie within
// ShortPiece of the box, so doubles hold them and the results exactly enough.
std::optional<QLineF> clipToBox(const ClipBox& box, Point a, Point b)
{
    const double low = static_cast<double>(box.low);
    const double high = static_cast<double>(box.high);
    const double x1 = static_cast<double>(a.x);
    const double y1 = static_cast<double>(a.y);
    const double dx = static_cast<double>(b.x) - x1;
    const double dy = static_cast<double>(b.y) - y1;
    double t0 = 0.0;
    double t1 = 1.0;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {x1 - low, high - x1, y1 - low, high - y1};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0.0) {
            if (q[i] < 0.0) {
                return std::nullopt; // parallel to this edge and outside it
            }
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0.0) {
            t0 = std::max(t0, t);
        } else {
            t1 = std::min(t1, t);
        }
        if (t0 > t1) {
            return std::nullopt;
        }
    }
    return QLineF(x1 + t0 * dx, y1 + t0 * dy, x1 + t1 * dx, y1 + t1 * dy);
}

// A disc as wide as the beam at `scale`, centred on pixel corner (origin,
// origin) of its picture, the way the pen's width centres on the segment's line.
int discOrigin(int scale) { return BeamWidth * scale / 2 + 1; }

QImage beamEndDisc(const QColor& colour, int scale)
{
    const int origin = discOrigin(scale);
    QImage disc(2 * origin, 2 * origin, QImage::Format_ARGB32_Premultiplied);
    disc.fill(Qt::transparent);
    QPainter painter(&disc);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    const double radius = BeamWidth * scale / 2.0;
    painter.drawEllipse(QPointF(origin, origin), radius, radius);
    return disc;
}

} // namespace

QColor qColorOfLevelColour(std::int32_t value)
{
    const auto bits = static_cast<std::uint32_t>(value);
    return QColor(static_cast<int>(bits & 0xFF), static_cast<int>((bits >> 8) & 0xFF),
                  static_cast<int>((bits >> 16) & 0xFF));
}

void BeamPainter::useColour(std::int32_t colour)
{
    if (m_hasColour && colour == m_colour) {
        return;
    }
    m_hasColour = true;
    m_colour = colour;
    const QColor qtColour = qColorOfLevelColour(colour);
    m_pen = QPen(qtColour, BeamWidth * m_scale, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
    auto found = m_discs.find(colour);
    if (found == m_discs.end()) {
        found = m_discs.emplace(colour, beamEndDisc(qtColour, m_scale)).first;
    }
    m_disc = &found->second;
}

void BeamPainter::drawSegment(const BeamSegment& segment)
{
    const auto pixel = [this](std::int64_t cell) { return geometry::cellCentre(cell) * m_scale; };
    const Point from{pixel(segment.fromColumn), pixel(segment.fromRow)};
    const Point to{pixel(segment.toColumn), pixel(segment.toRow)};
    const ClipBox box{-ClipMargin * m_scale, (geometry::BoardPixels + ClipMargin) * m_scale};
    std::optional<Point> first;
    Point last{};
    narrowToBox(box, from, to, first, last);
    if (!first) {
        return;
    }
    const std::optional<QLineF> line = clipToBox(box, *first, last);
    if (!line) {
        return;
    }
    useColour(segment.colour);
    m_painter.setPen(m_pen);
    m_painter.drawLine(*line);
    // Ends cut off by the clipping lie outside the board: no disc there.
    const int origin = discOrigin(m_scale);
    for (const Point end : {from, to}) {
        if (box.contains(end)) {
            m_painter.drawImage(static_cast<int>(end.x) - origin, static_cast<int>(end.y) - origin,
                                *m_disc);
        }
    }
}

} // namespace prismora
