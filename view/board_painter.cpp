// The board's paint cycle, shared by the board view and headless rendering.
#include "view/board_painter.h"

#include "view/beam_drawing.h"
#include "view/board_geometry.h"
#include "view/piece_drawing.h"
#include "view/pixel_spans.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace prismora {
namespace {

const QRgb BoardBackground = qRgb(0xC0, 0xC0, 0xC0); // silver
const QRgb GridColour = qRgb(0x80, 0x80, 0x80);      // grey
constexpr int MaxScale = 8;

// Silver background and the ten vertical and ten horizontal grey grid lines.
// Each line runs from its first point up to, but not including, its last one
// (as a 1-pixel line drawn from (i*50, 0) to (i*50, 450) does), so pixel
// (450, 450) stays silver. The picture must hold the whole board.
void drawBackgroundAndGrid(QImage& image, PixelWriter& writer, int scale)
{
    using namespace geometry;
    const int side = BoardPixels * scale;
    const int gridEnd = GridLength * scale;
    const int spacing = CellSize * scale;
    if (image.width() == side && image.height() == side) {
        image.fill(BoardBackground); // the picture's own fill is the fastest there is
    } else {
        writer.fillRect(0, 0, side, side, BoardBackground);
    }
    for (int y = 0; y < gridEnd + scale; ++y) {
        QRgb* row = writer.scanLine(y);
        if ((y / scale) % CellSize == 0) {
            // The last line stops short of the right-hand one, which stops above it.
            PixelWriter::fillPixels(row, 0, y < gridEnd ? gridEnd + scale : gridEnd, GridColour);
            continue;
        }
        for (int x = 0; x <= gridEnd; x += spacing) {
            PixelWriter::fillPixels(row, x, x + scale, GridColour);
        }
    }
}

// Device pixels per board pixel when the painter maps them by one whole
// factor (plus a shift of whole device pixels); 1 otherwise.
int wholeDeviceScale(const QPainter& painter)
{
    const QTransform transform = painter.deviceTransform();
    if (transform.type() > QTransform::TxScale) {
        return 1;
    }
    const int factor = qRound(transform.m11());
    const bool isWhole = factor > 1 && factor <= MaxScale &&
                         qFuzzyCompare(transform.m11(), qreal(factor)) &&
                         qFuzzyCompare(transform.m22(), qreal(factor));
    return isWhole ? factor : 1;
}

} // namespace

void paintBoard(QImage& image, int scale, const Level& level, const Evaluation& evaluation,
                const BitmapList& sprites)
{
    scale = std::clamp(scale, 1, MaxScale);
    PixelWriter writer(image);
    drawBackgroundAndGrid(image, writer, scale);
    drawBeams(image, writer, evaluation.segments, scale);
    for (const BeamSource& source : level.sources) {
        if (source.isCannon() && !source.removed) {
            drawCannon(writer, source, sprites, scale);
        }
    }
    for (std::size_t i = 0; i < level.pieces.size(); ++i) {
        if (!level.pieces[i].removed) {
            const bool lit = i < evaluation.pieces.size() && evaluation.pieces[i].lit;
            drawPiece(writer, level.pieces[i], lit, sprites, scale);
        }
    }
}

void paintBoard(QPainter& painter, const Level& level, const Evaluation& evaluation,
                const BitmapList& sprites)
{
    const int scale = wholeDeviceScale(painter);
    const int side = geometry::BoardPixels * scale;
    thread_local QImage board;
    if (board.width() != side) {
        board = QImage(side, side, QImage::Format_RGB32);
    }
    board.setDevicePixelRatio(1);
    paintBoard(board, scale, level, evaluation, sprites);
    board.setDevicePixelRatio(scale);
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(QPoint(0, 0), board);
    painter.restore();
}

} // namespace prismora
