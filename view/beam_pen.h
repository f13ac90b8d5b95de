// Drawing beam segments: Windows colour values to Qt colours and clipped wide lines.
#pragma once

#include "core/tracer.h"

#include <QColor>

class QPainter;

namespace prismora {

// A Windows colour value (0x00BBGGRR, low byte red) as a Qt colour. Only the
// low 24 bits count; the high byte of a value read from a level file is ignored.
QColor ColorFromWindowsValue(std::int32_t value);

// Draws the beam segments the tracer hands over: a solid 10-pixel pen with
// round ends, not antialiased, in the colour of each segment. Segments are
// clipped to a margin around the board first, so end points far off the
// board (64-bit coordinates from hand-edited files) are drawn safely or not
// at all.
class BeamPainter : public SegmentSink {
public:
    explicit BeamPainter(QPainter& painter) : m_painter(painter) {}
    void DrawSegment(const BeamSegment& segment) override;

private:
    QPainter& m_painter;
};

// Beam pen width in pixels.
inline constexpr int BeamWidth = 10;

} // namespace prismora
