// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Painting the keyboard cursor's frame.
#include "view/cursor_frame.h"

#include "view/cell_rect.h"

#include <QPainter>

namespace prismora {
namespace {

// A frame of `width` pixels whose outer edge is `outer`.
void fillFrame(QPainter& painter, const QRect& outer, int width, const QColor& colour)
{
    painter.fillRect(outer.left(), outer.top(), outer.width(), width, colour);
    painter.fillRect(outer.left(), outer.bottom() - width + 1, outer.width(), width, colour);
    painter.fillRect(outer.left(), outer.top(), width, outer.height(), colour);
    painter.fillRect(outer.right() - width + 1, outer.top(), width, outer.height(), colour);
}

} // namespace

void paintCursorFrame(QPainter& painter, Cell cell, CursorLook look)
{
    const int width = look == CursorLook::Carrying ? 4 : 2;
    const QRect inside = cellInterior(cell.column, cell.row);
    fillFrame(painter, inside, width + 2, Qt::black);
    fillFrame(painter, inside.adjusted(1, 1, -1, -1), width, Qt::yellow);
}

} // namespace prismora
