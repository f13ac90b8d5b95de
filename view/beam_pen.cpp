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
constexpr std::int64_t BoxLow = -ClipMargin;
constexpr std::int64_t BoxHigh = geometry::BoardPixels + ClipMargin;
// Pieces of a segment up to this long (on each axis) that touch the box have
// coordinates small enough for exact clipping in doubles.
constexpr std::int64_t ShortPiece = 4096;

struct Point {
    std::int64_t x;
    std::int64_t y;
};

bool TouchesBox(Point a, Point b)
{
    return std::min(a.x, b.x) <= BoxHigh && std::max(a.x, b.x) >= BoxLow &&
           std::min(a.y, b.y) <= BoxHigh && std::max(a.y, b.y) >= BoxLow;
}

// Beams reach at most one cell past the 32-bit range, so pixel coordinates
// stay within a few times 2^37 and their differences fit 64 bits.
std::int64_t Halfway(std::int64_t a, std::int64_t b) { return a + (b - a) / 2; }

bool IsShort(Point a, Point b)
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
void NarrowToBox(Point a, Point b, std::optional<Point>& first, Point& last)
{
    if (!TouchesBox(a, b)) {
        return;
    }
    if (IsShort(a, b)) {
        if (!first) {
            first = a;
        }
        last = b;
        return;
    }
    const Point middle{Halfway(a.x, b.x), Halfway(a.y, b.y)};
    NarrowToBox(a, middle, first, last);
    NarrowToBox(middle, b, first, last);
}

// Liang-Barsky clipping of a segment to the box. Its end points lie within
// ShortPiece of the box, so doubles hold them and the results exactly enough.
std::optional<QLineF> ClipToBox(Point a, Point b)
{
    const double low = static_cast<double>(BoxLow);
    const double high = static_cast<double>(BoxHigh);
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

// A disc as wide as the beam, centred on pixel corner (DiscOrigin, DiscOrigin)
// of its picture, the way the pen's width centres on the segment's line.
constexpr int DiscOrigin = BeamWidth / 2 + 1;

QImage BeamEndDisc(const QColor& colour)
{
    QImage disc(2 * DiscOrigin, 2 * DiscOrigin, QImage::Format_ARGB32_Premultiplied);
    disc.fill(Qt::transparent);
    QPainter painter(&disc);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawEllipse(QPointF(DiscOrigin, DiscOrigin), BeamWidth / 2.0, BeamWidth / 2.0);
    return disc;
}

bool InBox(std::int64_t x, std::int64_t y)
{
    return x >= BoxLow && x <= BoxHigh && y >= BoxLow && y <= BoxHigh;
}

} // namespace

QColor ColorFromWindowsValue(std::int32_t value)
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
    const QColor qtColour = ColorFromWindowsValue(colour);
    m_pen = QPen(qtColour, BeamWidth, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
    auto found = m_discs.find(colour);
    if (found == m_discs.end()) {
        found = m_discs.emplace(colour, BeamEndDisc(qtColour)).first;
    }
    m_disc = &found->second;
}

void BeamPainter::drawSegment(const BeamSegment& segment)
{
    using geometry::cellCentre;
    const Point from{cellCentre(segment.fromColumn), cellCentre(segment.fromRow)};
    const Point to{cellCentre(segment.toColumn), cellCentre(segment.toRow)};
    std::optional<Point> first;
    Point last{};
    NarrowToBox(from, to, first, last);
    if (!first) {
        return;
    }
    const std::optional<QLineF> line = ClipToBox(*first, last);
    if (!line) {
        return;
    }
    useColour(segment.colour);
    m_painter.setPen(m_pen);
    m_painter.drawLine(*line);
    // Ends cut off by the clipping lie outside the board: no disc there.
    for (const Point end : {from, to}) {
        if (InBox(end.x, end.y)) {
            m_painter.drawImage(static_cast<int>(end.x) - DiscOrigin,
                                static_cast<int>(end.y) - DiscOrigin, *m_disc);
        }
    }
}

} // namespace prismora
