// The palette list: navy rows with yellow text, synced from the Palette.
#include "view/palette_list.h"

#include "view/palette_row_delegate.h"

#include <QSignalBlocker>

namespace prismora {
namespace {

constexpr int ListWidth = 153;
constexpr int ListHeight = 278;
constexpr int FontPixelHeight = 13;

// "MS Sans Serif" first; look-alike sans serifs where it is not installed.
QFont PaletteFont()
{
    QFont font;
    font.setFamilies({"MS Sans Serif", "Liberation Sans", "DejaVu Sans", "Arial"});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(FontPixelHeight);
    return font;
}

} // namespace

PaletteList::PaletteList(QWidget* parent)
    : QListWidget(parent), m_delegate(new PaletteRowDelegate(this))
{
    setFixedSize(ListWidth, ListHeight);
    setFont(PaletteFont());
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

void PaletteList::showRows(const Palette& rows, const Board& board)
{
    const QSignalBlocker blocker(this);
    m_delegate->setBoard(&board);
    while (count() > rows.RowCount()) {
        delete takeItem(count() - 1);
    }
    for (int row = 0; row < rows.RowCount(); ++row) {
        const QString text = QString::fromStdString(rows.RowText(row));
        if (row < count()) {
            if (item(row)->text() != text) {
                item(row)->setText(text);
            }
        } else {
            addItem(text);
        }
    }
    const int selected = rows.Selected();
    if (selected >= 0 && selected < count()) {
        setCurrentRow(selected);
    } else {
        clearSelection();
        setCurrentRow(-1);
    }
    viewport()->update();
}

} // namespace prismora
