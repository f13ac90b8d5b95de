// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

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

// Each sample step starts at the centre of this cell, well inside the pen's
// clipping box.
constexpr int SampleCell = 2;
// The eight sample steps are drawn side by side in one scratch picture, each
// in a square of this many board pixels, starting at its square's centre.
constexpr int SquareSide = 2 * (geometry::CellSize + BeamWidth);
constexpr int SquaresAcross = 4;

// Where step `direction` starts in the scratch picture, in device pixels.
QPoint sampleStart(std::uint8_t direction, int scale)
{
    const int side = SquareSide * scale;
    return {(direction % SquaresAcross) * side + side / 2,
            (direction / SquaresAcross) * side + side / 2};
}

// The rectangle around a step from `start` that its line and end discs can cover.
QRect stepBounds(QPoint start, const Step& step, int scale)
{
    const int length = geometry::CellSize * scale;
    const int margin = BeamWidth * scale;
    const QPoint end = start + QPoint(step.dx * length, step.dy * length);
    return QRect(start, end).normalized().adjusted(-margin, -margin, margin, margin);
}

// Draws every sample step with BeamPainter: its cells are chosen so that the
// step's first centre lands on sampleStart, a shift by whole pixels that
// changes nothing in what the pen covers.
QImage drawnSteps(int scale)
{
    const int side = SquareSide * scale;
    QImage scratch(SquaresAcross * side, 2 * side, QImage::Format_RGB32);
    scratch.fill(Qt::black);
    QPainter painter(&scratch);
    BeamPainter beams(painter, scale);
    for (std::uint8_t direction = 0; direction < 8; ++direction) {
        const Step step = stepOf(direction);
        const QPoint start = sampleStart(direction, scale);
        const int centre = static_cast<int>(geometry::cellCentre(SampleCell)) * scale;
        painter.setTransform(QTransform::fromTranslate(start.x() - centre, start.y() - centre));
        beams.drawSegment(
            {SampleCell, SampleCell, SampleCell + step.dx, SampleCell + step.dy, RedBeam});
    }
    return scratch;
}

SpanShape shapeOfStep(const QImage& scratch, std::uint8_t direction, int scale)
{
    const QPoint start = sampleStart(direction, scale);
    const QRect bounds = stepBounds(start, stepOf(direction), scale);
    SpanShape shape =
        spansOf(scratch.copy(bounds), [](QRgb pixel) { return pixel != qRgb(0, 0, 0); });
    const QPoint offset = bounds.topLeft() - start;
    for (PixelSpan& span : shape) {
        span = {span.row + offset.y(), span.left + offset.x(), span.right + offset.x()};
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
        const QImage scratch = drawnSteps(scale);
        for (std::uint8_t direction = 0; direction < 8; ++direction) {
            fresh->steps[direction] = shapeOfStep(scratch, direction, scale);
        }
        shapes = std::move(fresh);
    }
    return *shapes;
}

} // namespace prismora
