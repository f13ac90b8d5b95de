// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The pixels of one beam step in each of the eight directions, as the beam pen draws them.
#pragma once

#include "view/pixel_spans.h"

#include <array>

namespace prismora {

// For each direction (0..7, as stepOf), the pixels BeamPainter covers when it
// draws a step from one cell centre to the next (the line and both end
// discs) at one scale, with the origin at the first cell's centre. The pen
// is not antialiased and every cell centre lies on whole pixels, so a step
// covers the same pixels relative to its start wherever it is drawn: a board
// painted from these shapes equals one painted step by step with the pen.
struct BeamStepShapes {
    std::array<SpanShape, 8> steps;
};

// The shapes at `scale` device pixels per board pixel (1 to 8), drawn with
// BeamPainter the first time a scale is asked for and kept for the life of
// the process. Safe to call from any thread.
const BeamStepShapes& beamStepShapes(int scale);

} // namespace prismora
