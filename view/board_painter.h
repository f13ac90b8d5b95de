// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Painting the board: background, grid, beams, cannons, then pieces, from a level and its
// evaluation.
#pragma once

#include "core/evaluation.h"
#include "core/level.h"
#include "graphics/bitmap_list.h"
#include "view/colour_aid.h"

#include <QImage>

namespace prismora {

// Paints the whole board into `image`, a 32-bit picture (Format_RGB32, ARGB32
// or ARGB32_Premultiplied) of 451 x 451 board pixels each `scale` x `scale`
// device pixels (scale 1 to 8): silver background, grey grid, every beam
// segment of `evaluation` with a 10-pixel pen in its colour, the live
// cannons, then the live pieces in index order (lamps lit as the evaluation
// says), so pieces cover the beams and of two pieces on one cell the newer is
// on top. Grid and beams are drawn at device resolution; sprites are enlarged
// by repeating pixels. Pixels beyond the board are left alone. Reads the
// game and changes nothing. With the colour-blind aid on, green and blue
// beams get their patterns before the pieces are drawn, and lamps and
// cannons their letters after.
void paintBoard(QImage& image, int scale, const Level& level, const Evaluation& evaluation,
                const BitmapList& sprites, ColourAid aid = ColourAid::Off);

// The scale a screen of `devicePixelRatio` paints the board at: the whole
// part of the ratio, from 1 to 8. What the ratio has beyond it is left to the
// painter's own enlargement.
int boardScaleFor(qreal devicePixelRatio);

} // namespace prismora
