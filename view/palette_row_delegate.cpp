// Owner drawing of palette rows: opaque row text, then the count right-aligned.
#include "view/palette_row_delegate.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace prismora {
namespace {

// Characters 50..52 of a row hold its count.
constexpr int CountStart = 49;
constexpr int CountLength = 3;

// Text drawn at (x, top) with its opaque background (the painter's brush
// over the text's advance and the font's height).
void DrawOpaqueText(QPainter& painter, int x, int top, const QString& text)
{
    const QFontMetrics metrics(painter.font());
    painter.fillRect(QRect(x, top, metrics.horizontalAdvance(text), metrics.height()),
                     painter.brush());
    painter.drawText(x, top + metrics.ascent(), text);
}

// The whole row text on its opaque background, which reaches the right-aligned
// count at `countLeft`. The name field's blanks are meant to carry the first
// copy of the count past the row's right edge, but how far they carry it
// depends on the font; so the text is cut where the name field ends (and
// where the right-aligned count begins), keeping the first copy out of sight
// with any font.
void DrawNameField(QPainter& painter, const QRect& rect, int countLeft, const QString& rowText)
{
    const QFontMetrics metrics(painter.font());
    const int nameEnd = rect.left() + metrics.horizontalAdvance(rowText.left(CountStart));
    painter.save();
    painter.fillRect(QRect(rect.left(), rect.top(), countLeft - rect.left(), metrics.height()),
                     painter.brush());
    painter.setClipRect(
        QRect(rect.left(), rect.top(), std::min(countLeft, nameEnd) - rect.left(), rect.height()),
        Qt::IntersectClip);
    painter.drawText(rect.left(), rect.top() + metrics.ascent(), rowText);
    painter.restore();
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
    DrawNameField(painter, rect, countLeft, rowText);
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
