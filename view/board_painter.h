// Painting the board: background, grid, beams, cannons, then pieces, from a level and its
// evaluation.
#pragma once

#include "core/evaluation.h"
#include "core/level.h"
#include "graphics/bitmap_list.h"

class QPainter;

namespace prismora {

// Paints the whole board onto `painter` in board pixels (451 x 451): silver
// background, grey grid, every beam segment of `evaluation` with a 10-pixel
// pen in its colour, the live cannons, then the live pieces in index order
// (lamps lit as the evaluation says), so pieces cover the beams and of two
// pieces on one cell the newer is on top. Reads the game and changes nothing.
void paintBoard(QPainter& painter, const Level& level, const Evaluation& evaluation,
                const BitmapList& sprites);

} // namespace prismora
