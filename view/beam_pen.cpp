// Beam segments drawn with the 10-pixel pen, clipped around the board.
#include "view/beam_pen.h"

#include "core/board.h"

#include <QLineF>
#include <QPainter>
#include <QPen>

#include <algorithm>
#include <optional>

namespace prismora {
namespace {

// Segments are clipped to the board plus this margin: wide enough that the
// pen's round ends at a clipped end point never reach the board.
constexpr double ClipMargin = 2.0 * BeamWidth;

// Liang-Barsky clipping of a segment to [low, high] on both axes. Works in
// doubles: int64 end points of any size convert without overflow, and the
// clipped points lie inside the small box, so their precision is ample.
std::optional<QLineF> ClipToBox(const BeamSegment& s, double low, double high)
{
    const double x1 = static_cast<double>(s.x1);
    const double y1 = static_cast<double>(s.y1);
    const double dx = static_cast<double>(s.x2) - x1;
    const double dy = static_cast<double>(s.y2) - y1;
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

} // namespace

QColor ColorFromWindowsValue(std::int32_t value)
{
    const auto bits = static_cast<std::uint32_t>(value);
    return QColor(static_cast<int>(bits & 0xFF), static_cast<int>((bits >> 8) & 0xFF),
                  static_cast<int>((bits >> 16) & 0xFF));
}

void BeamPainter::DrawSegment(const BeamSegment& segment)
{
    const std::optional<QLineF> line = ClipToBox(segment, -ClipMargin, BoardPixels + ClipMargin);
    if (!line) {
        return;
    }
    QPen pen(ColorFromWindowsValue(segment.color), BeamWidth, Qt::SolidLine, Qt::RoundCap,
             Qt::RoundJoin);
    m_painter.setPen(pen);
    m_painter.drawLine(*line);
}

} // namespace prismora
