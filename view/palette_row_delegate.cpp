// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Owner drawing of palette rows: the name on an opaque background, then the count right-aligned.
#include "view/palette_row_delegate.h"

#include <QFontMetrics>
#include <QPainter>

namespace prismora {

void drawPaletteRow(QPainter& painter, const QRect& rect, const QString& name, int count, Mode mode)
{
    if (mode == Mode::Play && count <= 0) {
        return;
    }
    const QString countText = QString::number(count);
    const QFontMetrics metrics(painter.font());
    const int countWidth = metrics.horizontalAdvance(countText);
    const int countLeft = rect.left() + rect.width() - countWidth;
    const int baseline = rect.top() + metrics.ascent();

    painter.save();
    painter.setClipRect(rect);
    painter.fillRect(QRect(rect.left(), rect.top(), countLeft - rect.left(), metrics.height()),
                     painter.brush());
    painter.save();
    painter.setClipRect(QRect(rect.left(), rect.top(), countLeft - rect.left(), rect.height()),
                        Qt::IntersectClip);
    painter.drawText(rect.left(), baseline, name);
    painter.restore();
    painter.fillRect(QRect(countLeft, rect.top(), countWidth, metrics.height()), painter.brush());
    painter.drawText(countLeft, baseline, countText);
    painter.restore();
}

PaletteRowDelegate::PaletteRowDelegate(QObject* parent) : QStyledItemDelegate(parent) {}

void PaletteRowDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                               const QModelIndex& index) const
{
    if (!m_paintingEnabled) {
        return;
    }
    const bool selected = option.state.testFlag(QStyle::State_Selected);
    painter->save();
    painter->setFont(option.font);
    painter->setBrush(option.palette.brush(selected ? QPalette::Highlight : QPalette::Base));
    painter->setPen(option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
    const int count = index.data(PaletteCountRole).toInt();
    drawPaletteRow(*painter, option.rect, index.data(Qt::DisplayRole).toString(), count, m_mode);
    const std::optional<char> letter = colourLetterOfRow(index.row());
    if (m_colourAid == ColourAid::On && letter && (m_mode == Mode::Edit || count > 0)) {
        // Left of the widest count the row shows (three digits).
        constexpr int Side = 13;
        constexpr int CountRoom = 24;
        const QRect box(option.rect.right() - CountRoom - Side, option.rect.top() + 1, Side, Side);
        paintLetterBox(*painter, box, *letter, LetterLook::Strong);
    }
    painter->restore();
}

QSize PaletteRowDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const
{
    return QSize(option.rect.width(), PaletteRowHeight);
}

} // namespace prismora
