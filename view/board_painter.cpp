// The board's paint cycle, shared by the board widget and headless rendering.
#include "view/board_painter.h"

#include "view/beam_pen.h"
#include "view/piece_drawing.h"

#include <QPainter>

namespace prismora {
namespace {

const QColor BoardBackground(0xC0, 0xC0, 0xC0); // silver
const QColor GridColor(0x80, 0x80, 0x80);       // grey

// The ten vertical and ten horizontal grid lines. Each runs from its first
// point up to, but not including, its last one (as a 1-pixel line drawn
// from (i*50, 0) to (i*50, 450) does), so pixel (450, 450) stays silver.
void DrawGrid(QPainter& painter)
{
    const int length = BoardCells * CellSize;
    for (int i = 0; i <= BoardCells; ++i) {
        painter.fillRect(i * CellSize, 0, 1, length, GridColor);
    }
    for (int j = 0; j <= BoardCells; ++j) {
        painter.fillRect(0, j * CellSize, length, 1, GridColor);
    }
}

VerdictResult PaintCycle(QPainter& painter, Board& board, const BitmapList& sprites)
{
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(0, 0, BoardPixels, BoardPixels, BoardBackground);
    DrawGrid(painter);

    BeamPainter beams(painter);
    TraceAll(board, &beams);
    const LampCount lamps = CountLamps(board);

    for (int i = 0; i < board.EmitterCount; ++i) {
        if (!board.Emitters[i].Deleted) {
            DrawCannon(painter, board, i, sprites);
        }
    }
    for (int i = 0; i < board.PieceCount; ++i) {
        if (!board.Pieces[i].Deleted) {
            DrawPiece(painter, board, i, sprites);
        }
    }
    return ShowVerdict(board, lamps);
}

} // namespace

std::optional<VerdictResult> PaintBox1Paint(QPainter& painter, Board& board,
                                            const BitmapList& sprites)
{
    if (!board.PaintEnabled) {
        return std::nullopt;
    }
    painter.save();
    std::optional<VerdictResult> verdict;
    try {
        verdict = PaintCycle(painter, board, sprites);
    } catch (...) {
        // A failing paint ends silently: what was drawn stays, no verdict.
        verdict.reset();
    }
    painter.restore();
    return verdict;
}

} // namespace prismora
