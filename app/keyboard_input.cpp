// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Playing by keys: the board's cursor keys, the palette's digits and the window's own keys.
#include "app/main_window.h"

#include "view/board_view.h"
#include "view/palette_list.h"

#include <QAction>
#include <QKeyEvent>
#include <QLineEdit>

namespace prismora {
namespace {

// True when no modifier but Shift (and the keypad's mark) is held: Ctrl and
// Alt combinations are left to the window's shortcuts.
bool isPlainOrShifted(const QKeyEvent& event)
{
    return (event.modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier)) == Qt::NoModifier;
}

} // namespace

void MainWindow::buildKeyboardShortcuts()
{
    m_paletteList->installEventFilter(this);
    const std::pair<QKeySequence, void (MainWindow::*)()> keys[] = {
        {QKeySequence(Qt::Key_PageUp), &MainWindow::goToPreviousLevel},
        {QKeySequence(Qt::Key_PageDown), &MainWindow::goToNextLevel},
        {QKeySequence(Qt::CTRL | Qt::Key_L), &MainWindow::openLevelChooser},
    };
    for (const auto& [key, command] : keys) {
        auto* action = new QAction(this);
        action->setShortcut(key);
        addAction(action);
        connect(action, &QAction::triggered, this, command);
    }
    // Tab goes from the name field to the board, then to the palette.
    setTabOrder(m_levelNameEdit, m_boardView);
    setTabOrder(m_boardView, m_paletteList);
}

bool MainWindow::handleBoardKey(const QKeyEvent& event)
{
    if (!isPlainOrShifted(event)) {
        return false;
    }
    SessionOutcome outcome;
    switch (event.key()) {
    case Qt::Key_Left:
        outcome = m_session->moveCursor(-1, 0);
        break;
    case Qt::Key_Right:
        outcome = m_session->moveCursor(1, 0);
        break;
    case Qt::Key_Up:
        outcome = m_session->moveCursor(0, -1);
        break;
    case Qt::Key_Down:
        outcome = m_session->moveCursor(0, 1);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // After a solve Enter takes the offered next level.
        if (takeOfferedNextLevel()) {
            return true;
        }
        [[fallthrough]];
    case Qt::Key_Space:
        if (isInviting()) {
            openLevelChooser();
            return true;
        }
        outcome = m_session->pickUpOrPutDown();
        break;
    case Qt::Key_R:
        // As the right button does; Shift turns the other way.
        outcome = m_session->turnAtCursor(
            event.modifiers().testFlag(Qt::ShiftModifier) ? Turn::Clockwise : Turn::Anticlockwise);
        break;
    case Qt::Key_Delete:
        outcome = m_session->giveBackAtCursor();
        break;
    default:
        return handlePaletteKey(event);
    }
    m_boardView->showKeyboardFrame();
    showOutcome(outcome);
    return true;
}

bool MainWindow::handlePaletteKey(const QKeyEvent& event)
{
    const bool isDigit = event.key() >= Qt::Key_1 && event.key() <= Qt::Key_9;
    if (!isDigit || (event.modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
        return false;
    }
    const SessionOutcome outcome = m_session->takeIntoHand(event.key() - Qt::Key_1);
    m_boardView->setFocus(Qt::OtherFocusReason);
    m_boardView->showKeyboardFrame();
    showOutcome(outcome);
    return true;
}

} // namespace prismora
