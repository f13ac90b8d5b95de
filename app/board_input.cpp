// Mouse work on the board and the palette: hover, drag, turn, drop off the board, add pieces.
#include "app/tform1.h"

#include "view/board_widget.h"
#include "view/palette_list.h"

#include <QLabel>

namespace prismora {

namespace {

// The 42 x 42 square in the top-left part of a record's sprite that the
// pointer must be in to pick the record up.
bool hitsCell(QPoint pos, std::int32_t left, std::int32_t top)
{
    const int x0 = (left - 1) * CellSize + 2;
    const int y0 = (top - 1) * CellSize + 2;
    return pos.x() >= x0 && pos.x() < x0 + 42 && pos.y() >= y0 && pos.y() < y0 + 42;
}

bool isOffBoard(std::int32_t left, std::int32_t top)
{
    // Past the left or top edge counts as well: a record left at column or
    // row 0 or less would lie out of the pointer's reach for good.
    return left < 1 || top < 1 || left > BoardCells || top > BoardCells;
}

constexpr const char* BoardFullText = "Brädet är fullt";

} // namespace

void TForm1::PaintBox1MouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers,
                                QPoint pos)
{
    Board& board = m_game.board;
    if (board.Loading) {
        return;
    }
    const bool leftOnly = buttons == Qt::LeftButton && modifiers == Qt::NoModifier;
    if (leftOnly && (board.HotPiece != -1 || board.HotEmitter != -1)) {
        const int column = CellAtPixel(pos.x());
        const int row = CellAtPixel(pos.y());
        if (board.HotEmitter != -1) {
            board.Emitters[board.HotEmitter].Left = column;
            board.Emitters[board.HotEmitter].Top = row;
        } else {
            board.MovePiece(board.HotPiece, column, row);
        }
        PaintBox1->update();
        return;
    }
    scanForHotRecord(pos);
}

void TForm1::scanForHotRecord(QPoint pos)
{
    Board& board = m_game.board;
    board.HotEmitter = -1;
    board.HotPiece = -1;
    for (int i = board.PieceCount - 1; i >= 0; --i) {
        const Piece& piece = board.Pieces[i];
        if (piece.Deleted || !hitsCell(pos, piece.Left, piece.Top) ||
            (board.PlayMode && !IsPlaceableKind(piece.Kind))) {
            continue;
        }
        board.HotPiece = i;
        selectPaletteRow(KindToRow(piece.Kind).value_or(-1));
        PaintBox1->setCursor(Qt::SizeAllCursor);
        return;
    }
    if (!board.PlayMode) {
        for (int i = board.EmitterCount - 1; i >= 0; --i) {
            const Emitter& emitter = board.Emitters[i];
            if (emitter.Deleted || !hitsCell(pos, emitter.Left, emitter.Top)) {
                continue;
            }
            board.HotEmitter = i;
            selectPaletteRow(CannonColorToRow(emitter.Color).value_or(-1));
            PaintBox1->setCursor(Qt::SizeAllCursor);
            return;
        }
    }
    PaintBox1->unsetCursor();
}

void TForm1::selectPaletteRow(int row)
{
    if (row < 0 || row >= m_game.palette.RowCount() || row == m_game.palette.Selected()) {
        return;
    }
    m_game.palette.Select(row);
    refreshPalette();
}

void TForm1::PaintBox1MouseDown(Qt::MouseButton button, Qt::MouseButtons buttons,
                                Qt::KeyboardModifiers modifiers, QPoint, bool doubleClick)
{
    if (m_game.board.Loading) {
        return;
    }
    if (button == Qt::RightButton && buttons == Qt::RightButton && modifiers == Qt::NoModifier &&
        !doubleClick) {
        turnHotRecord(1);
    }
}

void TForm1::turnHotRecord(int steps)
{
    Board& board = m_game.board;
    std::uint8_t* direction = nullptr;
    if (board.HotPiece != -1) {
        direction = &board.Pieces[board.HotPiece].Direction;
    } else if (board.HotEmitter != -1) {
        direction = &board.Emitters[board.HotEmitter].Direction;
    }
    if (direction != nullptr) {
        *direction = steps > 0 ? TurnedLeft(*direction) : TurnedRight(*direction);
    }
    PaintBox1->update();
}

void TForm1::PaintBox1MouseUp(Qt::MouseButton, Qt::MouseButtons, Qt::KeyboardModifiers, QPoint)
{
    if (!m_game.board.Loading) {
        dropPastEdge();
    }
}

void TForm1::dropPastEdge()
{
    Board& board = m_game.board;
    Palette& palette = m_game.palette;
    if (board.HotEmitter != -1) {
        Emitter& cannon = board.Emitters[board.HotEmitter];
        if (!cannon.Deleted && isOffBoard(cannon.Left, cannon.Top)) {
            cannon.Deleted = true;
            const int row = CannonColorToRow(cannon.Color).value_or(-1);
            if (row >= 0 && row < palette.RowCount()) {
                palette.Decrease(row);
            }
            refreshPalette();
        }
        return;
    }
    if (board.HotPiece == -1) {
        return;
    }
    const Piece& piece = board.Pieces[board.HotPiece];
    if (piece.Deleted || !isOffBoard(piece.Left, piece.Top)) {
        return;
    }
    board.RemovePiece(board.HotPiece);
    // The count of the piece's own row changes: the row the hover scan
    // selected when the pointer came onto the piece.
    const int row = KindToRow(piece.Kind).value_or(-1);
    if (row >= 0 && row < palette.RowCount()) {
        if (board.PlayMode) {
            palette.Increase(row);
        } else {
            palette.Decrease(row);
        }
    }
    refreshPalette();
}

void TForm1::takeWheel(int angleDelta)
{
    // A mouse wheel notch is 120; touchpads send smaller steps and empty
    // start and end events, which must not turn anything on their own.
    constexpr int Notch = 120;
    m_wheelRemainder += angleDelta;
    while (m_wheelRemainder >= Notch || m_wheelRemainder <= -Notch) {
        const int step = m_wheelRemainder > 0 ? Notch : -Notch;
        FormMouseWheel(step);
        m_wheelRemainder -= step;
    }
}

void TForm1::FormMouseWheel(int wheelDelta)
{
    if (!m_game.board.Loading) {
        turnHotRecord(wheelDelta < 0 ? 1 : -1);
    }
}

void TForm1::ListBox1DblClick()
{
    Board& board = m_game.board;
    Palette& palette = m_game.palette;
    const int row = palette.Selected();
    if (row < 0 || row >= palette.RowCount() || board.Loading) {
        return;
    }
    std::optional<int> added;
    if (board.PlayMode) {
        const std::optional<PieceKind> kind = RowToKind(row);
        if (!kind || palette.Count(row) <= 0) {
            return;
        }
        added = board.AppendPiece(*kind, 1, 1, 0);
    } else if (const std::optional<std::int32_t> color = RowToCannonColor(row)) {
        added = board.AppendCannon(1, 1, 0, *color);
    } else if (const std::optional<PieceKind> kind = RowToKind(row)) {
        added = board.AppendPiece(*kind, 1, 1, 0);
    }
    if (!added) {
        reportBoardFull();
        return;
    }
    if (board.PlayMode) {
        palette.Decrease(row);
    } else {
        palette.Increase(row);
    }
    refreshBoardAndPalette();
}

void TForm1::reportBoardFull() { Label2->setText(QString::fromUtf8(BoardFullText)); }

} // namespace prismora
