// Undo, redo and restart: their entries in the palette's menu, their keys, and showing a position.
#include "app/main_window.h"

#include "view/board_view.h"

#include <QAction>
#include <QLabel>
#include <QMenu>

namespace prismora {

void MainWindow::buildUndoActions()
{
    m_paletteMenu->addSeparator();
    m_undoAction = m_paletteMenu->addAction(QStringLiteral("Ångra"));
    m_undoAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    m_redoAction = m_paletteMenu->addAction(QStringLiteral("Gör om"));
    m_redoAction->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    m_restartAction = m_paletteMenu->addAction(QStringLiteral("Börja om"));
    m_restartAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    for (QAction* action : {m_undoAction, m_redoAction, m_restartAction}) {
        action->setShortcutVisibleInContextMenu(true);
        // The keys work wherever the focus is in the window.
        addAction(action);
    }
    connect(m_undoAction, &QAction::triggered, this, &MainWindow::undoStep);
    connect(m_redoAction, &QAction::triggered, this, &MainWindow::redoStep);
    connect(m_restartAction, &QAction::triggered, this, &MainWindow::restartLevel);
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
    m_undoAction->setEnabled(m_history.canUndo());
    m_redoAction->setEnabled(m_history.canRedo());
    m_restartAction->setEnabled(m_level.mode == Mode::Play && !m_playedFile.isEmpty());
}

void MainWindow::undoStep()
{
    if (std::optional<Level> previous = m_history.undo(m_level)) {
        showRestoredLevel(std::move(*previous));
    }
}

void MainWindow::redoStep()
{
    if (std::optional<Level> next = m_history.redo(m_level)) {
        showRestoredLevel(std::move(*next));
    }
}

void MainWindow::showRestoredLevel(Level level)
{
    // Evaluated afresh, as after a load: what an output last carried belongs
    // to the position left behind. A position that hits a bomb is shown with
    // the bomb text and not restarted.
    m_level = std::move(level);
    m_evaluation = evaluate(m_level);
    m_grab = {};
    m_keyboardCursor.held = {};
    m_boardView->unsetCursor();
    refreshPalette();
    m_boardView->showLevel(&m_level, &m_evaluation);
    m_statusLabel->setText(QString::fromStdString(m_evaluation.statusText()));
    afterBoardRefresh();
}

void MainWindow::restartLevel()
{
    // Only a level played from its file can start over; a design has none.
    if (m_level.mode != Mode::Play || m_playedFile.isEmpty()) {
        return;
    }
    // A drag or carry in progress ends before the restart, which is a step
    // of its own.
    m_history.finishAction(m_level);
    const RecordedChange step(m_history, m_level);
    readLevelFile(m_playedFile);
}

} // namespace prismora
