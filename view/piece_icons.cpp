// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Single-piece pictures drawn with the board's own sprite code.
#include "view/piece_icons.h"

#include "core/level.h"
#include "view/board_geometry.h"
#include "view/piece_drawing.h"

#include <QPainter>

namespace prismora {
namespace {

// Draws the record in the top-left cell and cuts out its sprite square.
template <typename Draw> QImage iconOf(Draw draw)
{
    using namespace geometry;
    QImage cell(CellSize, CellSize, QImage::Format_ARGB32_Premultiplied);
    cell.fill(Qt::transparent);
    {
        QPainter painter(&cell);
        draw(painter);
    }
    const int corner = static_cast<int>(spriteCorner(1));
    return cell.copy(corner, corner, SpriteSize, SpriteSize);
}

} // namespace

QImage pieceIcon(PieceKind kind, const BitmapList& sprites)
{
    Piece piece;
    piece.kind = kind;
    piece.column = 1;
    piece.row = 1;
    return iconOf([&](QPainter& painter) { drawPiece(painter, piece, false, sprites); });
}

QImage cannonIcon(std::int32_t colour, const BitmapList& sprites)
{
    BeamSource cannon;
    cannon.column = 1;
    cannon.row = 1;
    cannon.colour = colour;
    return iconOf([&](QPainter& painter) { drawCannon(painter, cannon, sprites); });
}

} // namespace prismora
