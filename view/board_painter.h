// The board's paint cycle: background, grid, beams, cannons, pieces, verdict.
#pragma once

#include "core/board.h"
#include "core/outcome.h"
#include "graphics/bitmap_list.h"

#include <optional>

class QPainter;

namespace prismora {

// Paints the whole board onto `painter` (board pixels, 451 x 451) and judges
// the position, writing the board's per-repaint fields and Finished:
// silver background, grey grid, every beam traced and drawn with a 10-pixel
// pen in its emitter's colour, lamps counted, cannons, then pieces in index
// order, then the verdict.
//
// Returns nothing, drawing nothing, when PaintEnabled is clear. Any error
// while painting ends the paint silently and also returns nothing (what was
// drawn stays). A Bomb verdict is only returned: the caller reloads the level
// once the paint is over and then shows the verdict's text.
std::optional<VerdictResult> PaintBox1Paint(QPainter& painter, Board& board,
                                            const BitmapList& sprites);

} // namespace prismora
