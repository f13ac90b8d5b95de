// Painting the board: background, grid, beams, cannons, then pieces, from a level and its
// evaluation.
#pragma once

#include "core/evaluation.h"
#include "core/level.h"
#include "graphics/bitmap_list.h"

#include <QImage>

class QPainter;

namespace prismora {

// Paints the whole board into `image`, a 32-bit picture (Format_RGB32, ARGB32
// or ARGB32_Premultiplied) of 451 x 451 board pixels each `scale` x `scale`
// device pixels (scale 1 to 8): silver background, grey grid, every beam
// segment of `evaluation` with a 10-pixel pen in its colour, the live
// cannons, then the live pieces in index order (lamps lit as the evaluation
// says), so pieces cover the beams and of two pieces on one cell the newer is
// on top. Grid and beams are drawn at device resolution; sprites are enlarged
// by repeating pixels. Pixels beyond the board are left alone. Reads the
// game and changes nothing.
void paintBoard(QImage& image, int scale, const Level& level, const Evaluation& evaluation,
                const BitmapList& sprites);

// Paints the board onto `painter` in board pixels with the top-left corner
// at (0, 0). When the painter maps a board pixel to a whole number of device
// pixels (a 2x screen), the board is painted at that scale; otherwise at
// scale 1 and laid on unsmoothed. Either way it goes through one picture
// kept per thread and one copy.
void paintBoard(QPainter& painter, const Level& level, const Evaluation& evaluation,
                const BitmapList& sprites);

} // namespace prismora
