// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Undo, redo and restart: their entries in the palette's menu and their keys.
#include "app/main_window.h"

#include <QAction>
#include <QMenu>

namespace prismora {

void MainWindow::buildUndoActions()
{
    m_paletteMenu->addSeparator();
    m_undoAction = m_paletteMenu->addAction(QString());
    m_undoAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    m_redoAction = m_paletteMenu->addAction(QString());
    m_redoAction->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    m_restartAction = m_paletteMenu->addAction(QString());
    m_restartAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    for (QAction* action : {m_undoAction, m_redoAction, m_restartAction}) {
        action->setShortcutVisibleInContextMenu(true);
        // The keys work wherever the focus is in the window.
        addAction(action);
    }
    connect(m_undoAction, &QAction::triggered, this, [this] { showOutcome(m_session->undo()); });
    connect(m_redoAction, &QAction::triggered, this, [this] { showOutcome(m_session->redo()); });
    connect(m_restartAction, &QAction::triggered, this,
            [this] { showOutcome(m_session->restart()); });
    // The menu's entries say what can be done while it is open; the keys stay
    // live, and do nothing when there is nothing to do.
    connect(m_paletteMenu, &QMenu::aboutToShow, this, &MainWindow::offerUndoCommands);
    connect(m_paletteMenu, &QMenu::aboutToHide, this, [this] {
        for (QAction* action : {m_undoAction, m_redoAction, m_restartAction}) {
            action->setEnabled(true);
        }
    });
}

void MainWindow::offerUndoCommands()
{
    m_undoAction->setEnabled(m_session->canUndo());
    m_redoAction->setEnabled(m_session->canRedo());
    m_restartAction->setEnabled(m_session->canRestart());
}

} // namespace prismora
