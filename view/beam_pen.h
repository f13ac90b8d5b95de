// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Drawing beam segments: Windows colour values to Qt colours and clipped wide lines.
#pragma once

#include "core/evaluation.h"

#include <QColor>
#include <QImage>
#include <QPen>

#include <map>

class QPainter;

namespace prismora {

// A Windows colour value (0x00BBGGRR, low byte red) as a Qt colour. Only the
// low 24 bits count; the high byte of a value read from a level file is ignored.
QColor qColorOfLevelColour(std::int32_t value);

// Draws beam segments one at a time with the painter: a solid 10-pixel pen
// with round ends, not antialiased, in the colour of each segment. The round
// ends are drawn as discs over a flat-ended line, which is the same shape and
// far cheaper than stroking round caps. Segments are clipped to a margin
// around the board first, exactly for end points anywhere in the 64-bit range
// (far-off cells from hand-edited files), so they are drawn where they cross
// the board or not at all. At a scale above 1 every length (cell centres,
// pen width, discs) is that many device pixels, for a painter that maps
// board pixels to device pixels one to one. The board paint draws from the
// shapes this class draws (see beam_shapes.h); it calls drawSegment itself
// only for segments longer than one step.
class BeamPainter {
public:
    explicit BeamPainter(QPainter& painter, int scale = 1) : m_painter(painter), m_scale(scale) {}
    // One segment from the centre of its first cell to the centre of its last.
    void drawSegment(const BeamSegment& segment);

private:
    void useColour(std::int32_t colour);

    QPainter& m_painter;
    int m_scale;
    std::int32_t m_colour = 0;
    bool m_hasColour = false;
    QPen m_pen;
    const QImage* m_disc = nullptr;
    std::map<std::int32_t, QImage> m_discs; // one round end per colour, for this paint
};

// Beam pen width in pixels.
inline constexpr int BeamWidth = 10;

} // namespace prismora
