// Owner drawing of palette rows: opaque row text, then the count right-aligned.
#include "view/palette_row_delegate.h"

#include <QFontMetrics>
#include <QPainter>

namespace prismora {
namespace {

// Characters 50..52 of a row hold its count.
constexpr int CountStart = 49;
constexpr int CountLength = 3;

// Text drawn at (x, top) with its opaque background: the box the text takes
// (its advance by the font's height), filled with the painter's brush.
void DrawOpaqueText(QPainter& painter, int x, int top, const QString& text)
{
    const QFontMetrics metrics(painter.font());
    painter.fillRect(QRect(x, top, metrics.horizontalAdvance(text), metrics.height()),
                     painter.brush());
    painter.drawText(x, top + metrics.ascent(), text);
}

} // namespace

void ListBox1DrawItem(QPainter& painter, const QRect& rect, const QString& rowText,
                      const Board& board)
{
    if (!board.PaintEnabled) {
        return;
    }
    const QString trimmed = rowText.trimmed();
    if (trimmed.isEmpty()) {
        return;
    }
    const QString countText = trimmed.mid(CountStart, CountLength).trimmed();
    // toInt gives 0 for a count that is not a number.
    if (board.PlayMode && countText.toInt() <= 0) {
        return;
    }
    const int countWidth = QFontMetrics(painter.font()).horizontalAdvance(countText);
    const int countLeft = rect.left() + rect.width() - countWidth;

    painter.save();
    painter.setClipRect(rect);
    // The name field's blanks normally carry the first copy of the count past
    // the row's right edge; with a narrow font it could still show, so the
    // first drawing stops where the right-aligned count begins.
    painter.save();
    painter.setClipRect(QRect(rect.left(), rect.top(), countLeft - rect.left(), rect.height()),
                        Qt::IntersectClip);
    DrawOpaqueText(painter, rect.left(), rect.top(), rowText);
    painter.restore();
    DrawOpaqueText(painter, countLeft, rect.top(), countText);
    painter.restore();
}

PaletteRowDelegate::PaletteRowDelegate(QObject* parent) : QStyledItemDelegate(parent) {}

void PaletteRowDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                               const QModelIndex& index) const
{
    if (m_board == nullptr) {
        return;
    }
    const bool selected = option.state.testFlag(QStyle::State_Selected);
    painter->save();
    painter->setFont(option.font);
    painter->setBrush(option.palette.brush(selected ? QPalette::Highlight : QPalette::Base));
    painter->setPen(option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
    ListBox1DrawItem(*painter, option.rect, index.data(Qt::DisplayRole).toString(), *m_board);
    painter->restore();
}

QSize PaletteRowDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const
{
    return QSize(option.rect.width(), PaletteRowHeight);
}

} // namespace prismora
