// Pointer work on the board and the palette: grab, drag, turn, drop off the board, take pieces.
#include "app/main_window.h"

#include "view/board_geometry.h"
#include "view/board_view.h"
#include "view/palette_list.h"

#include <QLabel>

#include <limits>

namespace prismora {

namespace {

constexpr const char* BoardFullText = "Brädet är fullt";

// A cell number as a record stores it; pointer positions far outside the
// board (a drag that left the window) stay far outside.
std::int32_t recordCell(std::int64_t cell)
{
    constexpr std::int64_t low = std::numeric_limits<std::int32_t>::min();
    constexpr std::int64_t high = std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(std::clamp(cell, low, high));
}

} // namespace

void MainWindow::onBoardMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, QPoint pos)
{
    const bool leftOnly = buttons == Qt::LeftButton && modifiers == Qt::NoModifier;
    if (leftOnly && !m_grab.isNothing()) {
        // The grabbed record follows the cell under the pointer, anywhere,
        // also past the board's edges while the button is held. The whole
        // drag, to the release, is one undo step.
        m_history.beginAction(m_level);
        moveGrabbed(m_level, m_grab, recordCell(geometry::cellAtPixel(pos.x())),
                    recordCell(geometry::cellAtPixel(pos.y())));
        refreshBoard();
        return;
    }
    grabUnderPointer(pos);
}

void MainWindow::grabUnderPointer(QPoint pos)
{
    m_grab = {};
    if (geometry::isInPickSquare(pos.x(), pos.y())) {
        m_grab =
            findGrabbable(m_level, geometry::cellAtPixel(pos.x()), geometry::cellAtPixel(pos.y()));
    }
    if (m_grab.isNothing()) {
        m_boardView->unsetCursor();
        return;
    }
    selectPaletteRow(paletteRowOf(m_level, m_grab));
    m_boardView->setCursor(Qt::SizeAllCursor);
}

void MainWindow::selectPaletteRow(int row)
{
    if (row >= 0 && row < static_cast<int>(m_level.palette.size()) &&
        row != m_paletteList->selectedRow()) {
        m_paletteList->selectRow(row);
    }
}

void MainWindow::onBoardPress(Qt::MouseButton button, Qt::MouseButtons buttons,
                              Qt::KeyboardModifiers modifiers, QPoint, bool doubleClick)
{
    if (button == Qt::RightButton && buttons == Qt::RightButton && modifiers == Qt::NoModifier &&
        !doubleClick) {
        const RecordedChange step(m_history, m_level);
        turnGrabbed(m_level, m_grab, Turn::Anticlockwise);
        refreshBoard();
    }
}

void MainWindow::onBoardRelease()
{
    // The drop ends the drag's step, or is a step of its own.
    m_history.beginAction(m_level);
    if (dropGrabbed(m_level, m_grab)) {
        refreshPalette();
        refreshBoard();
    }
    m_history.finishAction(m_level);
}

void MainWindow::takeWheel(int angleDelta)
{
    // A mouse wheel notch is 120; touchpads send smaller steps and empty
    // start and end events, which must not turn anything on their own.
    constexpr int Notch = 120;
    m_wheelRemainder += angleDelta;
    while (m_wheelRemainder >= Notch || m_wheelRemainder <= -Notch) {
        const int step = m_wheelRemainder > 0 ? Notch : -Notch;
        onWheelNotch(step);
        m_wheelRemainder -= step;
    }
}

void MainWindow::onWheelNotch(int delta)
{
    // Towards the user turns anticlockwise, as the right button does.
    const RecordedChange step(m_history, m_level);
    turnGrabbed(m_level, m_grab, delta < 0 ? Turn::Anticlockwise : Turn::Clockwise);
    refreshBoard();
}

void MainWindow::takeSelectedPiece()
{
    const int row = m_paletteList->selectedRow();
    if (row < 0) {
        return;
    }
    const RecordedChange step(m_history, m_level);
    showTakeResult(takeFromPalette(m_level, row));
}

void MainWindow::showTakeResult(TakeResult result)
{
    switch (result) {
    case TakeResult::Taken:
        refreshPalette();
        refreshBoard();
        break;
    case TakeResult::BoardFull:
        m_statusLabel->setText(QString::fromUtf8(BoardFullText));
        break;
    case TakeResult::NothingLeft:
        break;
    }
}

} // namespace prismora
