// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The palette list: navy rows with yellow text, synced from the level's palette counts.
#include "view/palette_list.h"

#include "core/local_text.h"
#include "core/palette.h"
#include "view/game_fonts.h"
#include "view/palette_row_delegate.h"
#include "view/piece_tooltips.h"

#include <QCoreApplication>
#include <QEvent>
#include <QSignalBlocker>

namespace prismora {
namespace {

constexpr int ListWidth = 153;
constexpr int ListHeight = 278;
constexpr int FontPixelHeight = 13;

} // namespace

QString paletteRowName(int row)
{
    if (row < 0 || row >= EditRowCount) {
        return {};
    }
    // The names are marked for translation where they are defined.
    return QCoreApplication::translate(CoreTextContext,
                                       PaletteRowNames[static_cast<std::size_t>(row)].data());
}

PaletteList::PaletteList(QWidget* parent)
    : QListWidget(parent), m_delegate(new PaletteRowDelegate(this))
{
    setFixedSize(ListWidth, ListHeight);
    setFont(gameSansFont(FontPixelHeight));
    QPalette colours = palette();
    colours.setColor(QPalette::Base, Qt::darkBlue); // navy
    colours.setColor(QPalette::Window, Qt::darkBlue);
    colours.setColor(QPalette::Text, Qt::yellow);
    setPalette(colours);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setItemDelegate(m_delegate);
}

void PaletteList::showPalette(const std::vector<int>& counts, Mode mode)
{
    const QSignalBlocker blocker(this);
    const int rows = std::min<int>(static_cast<int>(counts.size()), EditRowCount);
    m_delegate->setMode(mode);
    const bool isModeChanged = mode != m_mode;
    m_mode = mode;
    const int selected = selectedRow();
    while (count() > rows) {
        delete takeItem(count() - 1);
    }
    for (int row = 0; row < rows; ++row) {
        if (row >= count()) {
            addItem(QString());
        }
        QListWidgetItem* entry = item(row);
        const int value = counts[static_cast<std::size_t>(row)];
        if (entry->data(PaletteCountRole) != QVariant(value) || entry->text().isEmpty() ||
            isModeChanged) {
            entry->setData(PaletteCountRole, value);
            nameRow(row);
        }
    }
    selectRow(selected < rows ? selected : -1);
    viewport()->update();
}

int PaletteList::selectedRow() const
{
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.constFirst().row();
}

void PaletteList::selectRow(int row)
{
    const QSignalBlocker blocker(this);
    if (row >= 0 && row < count()) {
        setCurrentRow(row);
    } else {
        clearSelection();
        setCurrentRow(-1);
    }
    if (!hasFocus()) {
        selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
    }
}

void PaletteList::nameRow(int row)
{
    QListWidgetItem* entry = item(row);
    const QString name = paletteRowName(row);
    const int pieces = entry->data(PaletteCountRole).toInt();
    entry->setText(name);
    entry->setToolTip(paletteRowToolTip(row));
    entry->setData(Qt::AccessibleTextRole, m_mode == Mode::Play
                                               ? tr("%1, %n kvar", nullptr, pieces).arg(name)
                                               : QStringLiteral("%1, %2").arg(name).arg(pieces));
}

void PaletteList::changeEvent(QEvent* event)
{
    QListWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        for (int row = 0; row < count(); ++row) {
            nameRow(row);
        }
    }
}

void PaletteList::focusInEvent(QFocusEvent* event)
{
    QListWidget::focusInEvent(event);
    // The keys move on from the selected row.
    if (const int row = selectedRow(); row >= 0) {
        const QSignalBlocker blocker(this);
        selectionModel()->setCurrentIndex(model()->index(row, 0), QItemSelectionModel::NoUpdate);
    }
}

void PaletteList::focusOutEvent(QFocusEvent* event)
{
    QListWidget::focusOutEvent(event);
    // A current item reports the focus to a screen reader, which has moved on.
    const QSignalBlocker blocker(this);
    selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
}

void PaletteList::setColourAid(ColourAid aid)
{
    m_delegate->setColourAid(aid);
    viewport()->update();
}

void PaletteList::setPaintingEnabled(bool enabled)
{
    m_delegate->setPaintingEnabled(enabled);
    viewport()->update();
}

} // namespace prismora
