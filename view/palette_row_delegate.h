// Owner drawing of one palette row: the name on the left, the count right-aligned.
#pragma once

#include "core/board.h"

#include <QStyledItemDelegate>

class QPainter;
class QRect;
class QString;

namespace prismora {

// Height of one palette row in pixels.
inline constexpr int PaletteRowHeight = 16;

// Draws palette row text `rowText` into `rect` with the painter as the list
// prepared it for this row: its font, its pen (text colour) and its brush
// (the opaque text background; the selection colours for the selected row).
// - PaintEnabled clear: draws nothing.
// - Blank text: draws nothing.
// - Play mode with a count (characters 50..52, 0 when not a number) of 0 or
//   less: draws nothing, so the row stays blank but keeps its place.
// - Otherwise the row text on its opaque background from the row's left
//   edge up to the count, then the count again right-aligned on its own
//   background. The count's first copy (from character 50 on) is kept out of
//   sight with any installed font: the first drawing is cut where the
//   49-character name field ends, and where the right-aligned count begins.
// Never clears the row itself and never draws outside `rect`.
void ListBox1DrawItem(QPainter& painter, const QRect& rect, const QString& rowText,
                      const Board& board);

// Item delegate of the palette list: prepares the painter for each row and
// calls ListBox1DrawItem. Reads the board's flags at paint time; draws
// nothing until a board is set.
class PaletteRowDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    explicit PaletteRowDelegate(QObject* parent = nullptr);

    void setBoard(const Board* board) { m_board = board; }

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    const Board* m_board = nullptr;
};

} // namespace prismora
