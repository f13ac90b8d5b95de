// Beam step shapes read back from what the beam pen draws, made once per scale.
#include "view/beam_shapes.h"

#include "core/piece_kind.h"
#include "view/beam_pen.h"
#include "view/board_geometry.h"

#include <QPainter>

#include <map>
#include <memory>
#include <mutex>

namespace prismora {
namespace {

// The sample step starts at the centre of this cell; the scratch picture is
// moved so that the centre lands at (Reach, Reach) with a whole step and its
// end discs around it.
constexpr int SampleCell = 2;
constexpr int Reach = geometry::CellSize + BeamWidth;

SpanShape drawnStep(std::uint8_t direction, int scale)
{
    const Step step = stepOf(direction);
    const int centre = static_cast<int>(geometry::cellCentre(SampleCell)) * scale;
    const int origin = Reach * scale;
    QImage scratch(2 * origin, 2 * origin, QImage::Format_RGB32);
    scratch.fill(Qt::black);
    {
        QPainter painter(&scratch);
        // A whole-pixel shift changes nothing in what the pen covers.
        painter.translate(origin - centre, origin - centre);
        BeamPainter(painter, scale)
            .drawSegment(
                {SampleCell, SampleCell, SampleCell + step.dx, SampleCell + step.dy, RedBeam});
    }
    SpanShape shape = spansOf(scratch, [](QRgb pixel) { return pixel != qRgb(0, 0, 0); });
    for (PixelSpan& span : shape) {
        span = {span.row - origin, span.left - origin, span.right - origin};
    }
    return shape;
}

} // namespace

const BeamStepShapes& beamStepShapes(int scale)
{
    static std::mutex guard;
    static std::map<int, std::unique_ptr<const BeamStepShapes>> made;
    const std::lock_guard<std::mutex> lock(guard);
    std::unique_ptr<const BeamStepShapes>& shapes = made[scale];
    if (!shapes) {
        auto fresh = std::make_unique<BeamStepShapes>();
        for (std::uint8_t direction = 0; direction < 8; ++direction) {
            fresh->steps[direction] = drawnStep(direction, scale);
        }
        shapes = std::move(fresh);
    }
    return *shapes;
}

} // namespace prismora
