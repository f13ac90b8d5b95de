// The palette list: navy rows with yellow text, synced from the level's palette counts.
#include "view/palette_list.h"

#include "core/palette.h"
#include "view/game_fonts.h"
#include "view/palette_row_delegate.h"
#include "view/piece_tooltips.h"

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
    const std::string_view name = PaletteRowNames[static_cast<std::size_t>(row)];
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
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
    const int selected = currentRow();
    while (count() > rows) {
        delete takeItem(count() - 1);
    }
    for (int row = 0; row < rows; ++row) {
        if (row >= count()) {
            addItem(paletteRowName(row));
            item(row)->setToolTip(paletteRowToolTip(row));
        }
        QListWidgetItem* entry = item(row);
        const int value = counts[static_cast<std::size_t>(row)];
        if (entry->data(PaletteCountRole) != QVariant(value)) {
            entry->setData(PaletteCountRole, value);
        }
    }
    selectRow(selected < rows ? selected : -1);
    viewport()->update();
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
