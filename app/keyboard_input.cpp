// Playing by keys: the board's cursor keys, the palette's digits and the window's own keys.
#include "app/main_window.h"

#include "view/board_view.h"
#include "view/palette_list.h"

#include <QAction>
#include <QKeyEvent>

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
}

bool MainWindow::handleBoardKey(const QKeyEvent& event)
{
    if (!isPlainOrShifted(event)) {
        return false;
    }
    switch (event.key()) {
    case Qt::Key_Left:
        moveByKey(-1, 0);
        return true;
    case Qt::Key_Right:
        moveByKey(1, 0);
        return true;
    case Qt::Key_Up:
        moveByKey(0, -1);
        return true;
    case Qt::Key_Down:
        moveByKey(0, 1);
        return true;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        pickUpOrPutDownByKey();
        return true;
    case Qt::Key_R:
        // As the right button does; Shift turns the other way.
        turnByKey(event.modifiers().testFlag(Qt::ShiftModifier) ? Turn::Clockwise
                                                                : Turn::Anticlockwise);
        return true;
    case Qt::Key_Delete:
        giveBackByKey();
        return true;
    default:
        return handlePaletteKey(event);
    }
}

bool MainWindow::handlePaletteKey(const QKeyEvent& event)
{
    const bool isDigit = event.key() >= Qt::Key_1 && event.key() <= Qt::Key_9;
    if (!isDigit || (event.modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
        return false;
    }
    takeIntoHandByKey(event.key() - Qt::Key_1);
    return true;
}

void MainWindow::moveByKey(int columnStep, int rowStep)
{
    // A carry is one undo step, as a drag is: from the pick-up to the
    // put-down or the drop past an edge.
    const bool wasCarrying = !heldRecord(m_level, m_keyboardCursor).isNothing();
    if (wasCarrying) {
        m_history.beginAction(m_level);
    }
    if (moveCursor(m_level, m_keyboardCursor, columnStep, rowStep)) {
        refreshPalette();
        refreshBoard();
    }
    if (wasCarrying && heldRecord(m_level, m_keyboardCursor).isNothing()) {
        m_history.finishAction(m_level);
    }
    showKeyboardCursor();
}

void MainWindow::pickUpOrPutDownByKey()
{
    switch (pickUpOrPutDown(m_level, m_keyboardCursor)) {
    case HoldChange::PickedUp:
        m_history.beginAction(m_level);
        selectPaletteRow(paletteRowOf(m_level, m_keyboardCursor.held));
        break;
    case HoldChange::PutDown:
        m_history.finishAction(m_level);
        break;
    case HoldChange::Nothing:
        break;
    }
    showKeyboardCursor();
}

void MainWindow::turnByKey(Turn turn)
{
    const RecordedChange step(m_history, m_level);
    if (turnAtCursor(m_level, m_keyboardCursor, turn)) {
        refreshBoard();
    }
}

void MainWindow::giveBackByKey()
{
    const bool wasCarrying = !heldRecord(m_level, m_keyboardCursor).isNothing();
    const Level before = m_level;
    if (giveBackAtCursor(m_level, m_keyboardCursor)) {
        refreshPalette();
        refreshBoard();
    }
    m_history.recordStep(before, m_level);
    if (wasCarrying) {
        m_history.finishAction(m_level);
    }
    showKeyboardCursor();
}

void MainWindow::takeIntoHandByKey(int row)
{
    if (!heldRecord(m_level, m_keyboardCursor).isNothing()) {
        m_keyboardCursor.held = {};
        m_history.finishAction(m_level);
    }
    selectPaletteRow(row);
    {
        // Taking is one step; carrying the piece from the top-left cell is the next.
        const RecordedChange step(m_history, m_level);
        showTakeResult(takeIntoHand(m_level, m_keyboardCursor, row));
    }
    if (!heldRecord(m_level, m_keyboardCursor).isNothing()) {
        m_history.beginAction(m_level);
    }
    m_boardView->setFocus(Qt::OtherFocusReason);
    showKeyboardCursor();
}

void MainWindow::showKeyboardCursor()
{
    const bool isCarrying = !heldRecord(m_level, m_keyboardCursor).isNothing();
    m_boardView->setKeyboardCursor({m_keyboardCursor.column, m_keyboardCursor.row},
                                   isCarrying ? CursorLook::Carrying : CursorLook::Free);
}

} // namespace prismora
