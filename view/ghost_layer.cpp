// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Painting the workbench's ghost pieces and frames over the board.
#include "view/ghost_layer.h"

#include "view/cell_rect.h"
#include "view/piece_drawing.h"

#include <QPainter>

namespace prismora {
namespace {

void paintFrame(QPainter& painter, const Cell& cell, const QPen& pen)
{
    if (!isBoardCell(cell.column, cell.row)) {
        return;
    }
    const qreal inset = pen.widthF() / 2.0;
    painter.setBrush(Qt::NoBrush);
    painter.setPen(pen);
    painter.drawRect(
        QRectF(cellInterior(cell.column, cell.row)).adjusted(inset, inset, -inset, -inset));
}

} // namespace

void paintGhostLayer(QPainter& painter, const GhostLayer& layer, const BitmapList& sprites)
{
    painter.save();
    for (const Piece& piece : layer.pieces) {
        if (!isBoardCell(piece.column, piece.row)) {
            continue;
        }
        painter.fillRect(cellInterior(piece.column, piece.row), QColor(160, 220, 255, 110));
        painter.setOpacity(0.55);
        drawPiece(painter, piece, false, sprites);
        painter.setOpacity(1.0);
    }
    QPen dashes(QColor(255, 0, 255), 2, Qt::DashLine, Qt::FlatCap, Qt::MiterJoin);
    for (const Cell& cell : layer.differingCells) {
        paintFrame(painter, cell, dashes);
    }
    if (layer.element) {
        paintFrame(painter, *layer.element,
                   QPen(QColor(255, 64, 0), 4, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    }
    painter.restore();
}

} // namespace prismora
