// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Painting a hint's ghost piece or take-back frame over the board.
#include "view/hint_mark.h"

#include "view/cell_rect.h"
#include "view/piece_drawing.h"

#include <QPainter>

namespace prismora {
namespace {

// A frame of `width` pixels just inside the cell's grid lines, yellow dashes on black.
void paintStripedFrame(QPainter& painter, const QRect& inside, int width, int dash)
{
    const QRectF line =
        QRectF(inside).adjusted(width / 2.0, width / 2.0, -width / 2.0, -width / 2.0);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::black, width, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    painter.drawRect(line);
    QPen dashes(Qt::yellow, width, Qt::CustomDashLine, Qt::FlatCap, Qt::MiterJoin);
    dashes.setDashPattern({double(dash) / width, double(dash) / width});
    painter.setPen(dashes);
    painter.drawRect(line);
}

} // namespace

void paintHintMark(QPainter& painter, const HintMark& mark, const BitmapList& sprites)
{
    if (!isBoardCell(mark.piece.column, mark.piece.row)) {
        return;
    }
    const QRect inside = cellInterior(mark.piece.column, mark.piece.row);
    painter.save();
    if (mark.look == HintMark::Look::PlaceHere) {
        painter.fillRect(inside, QColor(255, 255, 160, 150));
        painter.setOpacity(0.6);
        drawPiece(painter, mark.piece, false, sprites);
        painter.setOpacity(1.0);
        paintStripedFrame(painter, inside, 2, 4);
    } else {
        paintStripedFrame(painter, inside, 4, 6);
    }
    painter.restore();
}

} // namespace prismora
