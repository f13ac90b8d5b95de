// What follows every load, board refresh and change of command state: undo, keys, progress,
// message.
#include "app/main_window.h"

#include "app/status_feedback.h"
#include "view/board_view.h"

namespace prismora {

void MainWindow::afterLevelTaken(const QString& path, std::uint64_t contentHash)
{
    // A restart in the middle of a drag or a carry ends it there: undo then
    // brings back the position from before it.
    m_history.finishAction(m_level);
    m_keyboardCursor.held = {};
    rememberLevelFile(path, contentHash);
    afterBoardRefresh();
}

void MainWindow::afterBoardRefresh()
{
    // Every change of the position calls off a hint and takes its mark away.
    cancelHint();
    m_feedback->hide();
    recordProgressIfSolved();
    showKeyboardCursor();
}

void MainWindow::leaveCommandState(CommandState next)
{
    if (next == m_commandState) {
        return;
    }
    // Steps taken under other commands would bring back a mode or a palette
    // that the commands now on offer do not fit.
    startFreshHistory();
    if (next == CommandState::Designing) {
        // The level is a design from now on, not the file it came from.
        m_playedFile.clear();
        m_progressKey.clear();
    }
}

void MainWindow::startFreshHistory()
{
    m_history.clear();
    m_keyboardCursor.held = {};
    showKeyboardCursor();
}

} // namespace prismora
