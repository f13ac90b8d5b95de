// The board's paint cycle, shared by the board view and headless rendering.
#include "view/board_painter.h"

#include "view/beam_pen.h"
#include "view/board_geometry.h"
#include "view/piece_drawing.h"

#include <QPainter>

namespace prismora {
namespace {

const QColor BoardBackground(0xC0, 0xC0, 0xC0); // silver
const QColor GridColour(0x80, 0x80, 0x80);      // grey

// The ten vertical and ten horizontal grid lines. Each runs from its first
// point up to, but not including, its last one (as a 1-pixel line drawn
// from (i*50, 0) to (i*50, 450) does), so pixel (450, 450) stays silver.
void drawGrid(QPainter& painter)
{
    using namespace geometry;
    for (int i = 0; i <= BoardCells; ++i) {
        painter.fillRect(i * CellSize, 0, 1, GridLength, GridColour);
        painter.fillRect(0, i * CellSize, GridLength, 1, GridColour);
    }
}

} // namespace

void paintBoard(QPainter& painter, const Level& level, const Evaluation& evaluation,
                const BitmapList& sprites)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(0, 0, geometry::BoardPixels, geometry::BoardPixels, BoardBackground);
    drawGrid(painter);

    BeamPainter beams(painter);
    for (const BeamSegment& segment : evaluation.segments) {
        beams.drawSegment(segment);
    }
    for (const BeamSource& source : level.sources) {
        if (source.isCannon() && !source.removed) {
            drawCannon(painter, source, sprites);
        }
    }
    for (std::size_t i = 0; i < level.pieces.size(); ++i) {
        if (!level.pieces[i].removed) {
            const bool lit = i < evaluation.pieces.size() && evaluation.pieces[i].lit;
            drawPiece(painter, level.pieces[i], lit, sprites);
        }
    }
    painter.restore();
}

} // namespace prismora
