// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Drawing all beam segments of an evaluation straight into the board picture.
#pragma once

#include "core/evaluation.h"
#include "view/pixel_spans.h"

#include <QImage>

#include <vector>

namespace prismora {

// Draws `segments` into `image` (a 32-bit picture that `writer` writes to) at
// `scale` device pixels per board pixel, with exactly the pixels BeamPainter
// would leave drawing them one by one in order: one-cell steps are laid from
// beamStepShapes, a step drawn again later in the same colour is drawn only
// the last time (its pixels end up the same), and anything else goes
// through BeamPainter itself.
void drawBeams(QImage& image, PixelWriter& writer, const std::vector<BeamSegment>& segments,
               int scale);

} // namespace prismora
