// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The board's paint cycle, shared by the board view and headless rendering.
#include "view/board_painter.h"

#include "view/beam_drawing.h"
#include "view/board_geometry.h"
#include "view/piece_drawing.h"
#include "view/pixel_spans.h"

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

} // namespace

void paintBoard(QImage& image, int scale, const Level& level, const Evaluation& evaluation,
                const BitmapList& sprites, ColourAid aid)
{
    scale = std::clamp(scale, 1, MaxScale);
    PixelWriter writer(image);
    drawBackgroundAndGrid(image, writer, scale);
    const bool isAided = aid == ColourAid::On;
    const QImage background = isAided ? image.copy() : QImage();
    drawBeams(image, writer, evaluation.segments, scale);
    if (isAided) {
        patternBeams(image, background, scale, evaluation.segments);
    }
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
    if (isAided) {
        paintColourLetters(image, scale, level, evaluation);
    }
}

int boardScaleFor(qreal devicePixelRatio)
{
    // A ratio a hair below a whole number (2.0 computed as 1.9999...) counts as that number.
    const int whole = static_cast<int>(std::floor(devicePixelRatio + 1e-6));
    return std::clamp(whole, 1, MaxScale);
}

} // namespace prismora
