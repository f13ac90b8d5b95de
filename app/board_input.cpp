// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Pointer work on the board and the palette, turned into session operations.
#include "app/main_window.h"

#include "view/board_view.h"
#include "view/palette_list.h"

namespace prismora {

void MainWindow::onBoardMove(PointerCell cell, Qt::MouseButtons buttons,
                             Qt::KeyboardModifiers modifiers)
{
    // A move with the left button alone drags; any other is a hover.
    const bool isDrag = buttons == Qt::LeftButton && modifiers == Qt::NoModifier;
    showOutcome(m_session->movePointer(cell, isDrag ? PointerMove::Drag : PointerMove::Hover));
}

void MainWindow::onBoardPress(PointerCell, Qt::MouseButton button, Qt::MouseButtons buttons,
                              Qt::KeyboardModifiers modifiers, bool doubleClick)
{
    // The empty board of a first start invites the player to choose a level.
    if (button == Qt::LeftButton && !doubleClick && isInviting()) {
        openLevelChooser();
        return;
    }
    // The right button alone turns; the second press of a double click does not.
    if (button == Qt::RightButton && buttons == Qt::RightButton && modifiers == Qt::NoModifier &&
        !doubleClick) {
        showOutcome(m_session->turnGrabbed(Turn::Anticlockwise));
    }
}

void MainWindow::onBoardRelease() { showOutcome(m_session->releasePointer()); }

void MainWindow::takeWheel(int angleDelta)
{
    // A mouse wheel notch is 120; touchpads send smaller steps and empty
    // start and end events, which must not turn anything on their own.
    // Towards the user turns anticlockwise, as the right button does.
    constexpr int Notch = 120;
    m_wheelRemainder += angleDelta;
    while (m_wheelRemainder >= Notch || m_wheelRemainder <= -Notch) {
        const int step = m_wheelRemainder > 0 ? Notch : -Notch;
        showOutcome(m_session->turnGrabbed(step < 0 ? Turn::Anticlockwise : Turn::Clockwise));
        m_wheelRemainder -= step;
    }
}

void MainWindow::takeSelectedPiece()
{
    const int row = m_paletteList->selectedRow();
    if (row >= 0) {
        showOutcome(m_session->takeFromPalette(row));
    }
}

} // namespace prismora
