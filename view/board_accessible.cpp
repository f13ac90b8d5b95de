// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The board's accessible table and its cells, made by a factory Qt's accessibility asks.
#include "view/board_accessible.h"

#include "view/board_geometry.h"
#include "view/board_view.h"
#include "view/cell_description.h"

#include <QAccessibleWidget>
#include <QPointer>
#include <QSet>

#include <array>

namespace prismora {
namespace {

constexpr int Side = 9;
constexpr int CellCount = Side * Side;

// Cells are numbered row by row from the top-left one.
Cell cellOfIndex(int index) { return {index % Side + 1, index / Side + 1}; }
int indexOfCell(Cell cell) { return (cell.row - 1) * Side + (cell.column - 1); }

// What a screen reader reads for a cell, e.g. "Kolumn 1, rad 5: Röd Laserkanon ...".
QString cellName(const BoardView& board, int index)
{
    return describeCell(board.level(), board.evaluation(), cellOfIndex(index));
}

class BoardTable;

// The boards whose table a screen reader's bridge has made: their names are
// kept up to date even while no screen reader listens, so that the first
// change it hears is the change, not every load before it.
QSet<const QObject*>& boardsWithTables()
{
    static QSet<const QObject*> boards;
    return boards;
}

class BoardCell : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    BoardCell(BoardView* board, int index) : m_board(board), m_index(index) {}

    bool isValid() const override { return !m_board.isNull(); }
    QObject* object() const override { return nullptr; }
    QAccessibleInterface* parent() const override
    {
        return QAccessible::queryAccessibleInterface(m_board.data());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Name || m_board.isNull()) {
            return {};
        }
        return cellName(*m_board, m_index);
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override
    {
        if (m_board.isNull()) {
            return {};
        }
        const Cell cell = cellOfIndex(m_index);
        const QPoint corner =
            m_board->mapToGlobal(QPoint(static_cast<int>(geometry::cellTopLeft(cell.column)),
                                        static_cast<int>(geometry::cellTopLeft(cell.row))));
        return {corner, QSize(geometry::CellSize + 1, geometry::CellSize + 1)};
    }
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.focusable = true;
        state.focused = isFocused();
        return state;
    }
    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::TableCellInterface
                   ? static_cast<QAccessibleTableCellInterface*>(this)
                   : nullptr;
    }

    bool isSelected() const override { return false; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return m_index % Side; }
    int rowIndex() const override { return m_index / Side; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

    bool isFocused() const
    {
        return !m_board.isNull() && m_board->hasFocus() &&
               indexOfCell(m_board->keyboardCell()) == m_index;
    }

private:
    QPointer<BoardView> m_board;
    int m_index;
};

// The board widget as a 9 x 9 table. Its cells are made when first asked
// for and live as long as the table; the table's description is the
// invitation the empty board shows.
class BoardTable : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    // The cells' names as they read now: a screen reader that asks for the
    // board reads it whole; changes from here on are announced.
    explicit BoardTable(BoardView* board)
        : QAccessibleWidget(board, QAccessible::Table), m_boardObject(board)
    {
        for (int index = 0; index < CellCount; ++index) {
            m_names[static_cast<std::size_t>(index)] = cellName(*board, index);
        }
        boardsWithTables().insert(m_boardObject);
    }
    ~BoardTable() override
    {
        boardsWithTables().remove(m_boardObject);
        for (const QAccessible::Id id : m_cellIds) {
            if (id != 0) {
                QAccessible::deleteAccessibleInterface(id);
            }
        }
    }

    BoardView* board() const { return static_cast<BoardView*>(widget()); }

    BoardCell* cell(int index) const
    {
        if (index < 0 || index >= CellCount) {
            return nullptr;
        }
        QAccessible::Id& id = m_cellIds[static_cast<std::size_t>(index)];
        if (id == 0) {
            id = QAccessible::registerAccessibleInterface(new BoardCell(board(), index));
        }
        return static_cast<BoardCell*>(QAccessible::accessibleInterface(id));
    }

    // Learns the cells' names, sending a name change (when `announce`) for
    // every cell that reads differently since the last call.
    void refreshNames(bool announce)
    {
        for (int index = 0; index < CellCount; ++index) {
            BoardCell* entry = cell(index);
            QString name = entry->text(QAccessible::Name);
            QString& last = m_names[static_cast<std::size_t>(index)];
            if (name != last) {
                last = std::move(name);
                if (announce) {
                    QAccessibleEvent event(entry, QAccessible::NameChanged);
                    QAccessible::updateAccessibility(&event);
                }
            }
        }
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Description && !board()->invitation().isEmpty()) {
            return board()->invitation();
        }
        return QAccessibleWidget::text(t);
    }
    int childCount() const override { return CellCount; }
    QAccessibleInterface* child(int index) const override { return cell(index); }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        for (int index = 0; index < CellCount; ++index) {
            if (m_cellIds[static_cast<std::size_t>(index)] != 0 && cell(index) == child) {
                return index;
            }
        }
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        const QPoint local = board()->mapFromGlobal(QPoint(x, y));
        if (!board()->rect().contains(local)) {
            return nullptr;
        }
        const PointerCell at = geometry::pointerCellAt(local.x(), local.y());
        if (at.column < 1 || at.column > Side || at.row < 1 || at.row > Side) {
            return nullptr;
        }
        return cell(
            indexOfCell({static_cast<std::int32_t>(at.column), static_cast<std::int32_t>(at.row)}));
    }
    QAccessibleInterface* focusChild() const override
    {
        return board()->hasFocus() ? cell(indexOfCell(board()->keyboardCell())) : nullptr;
    }
    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TableInterface) {
            return static_cast<QAccessibleTableInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(type);
    }

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override
    {
        if (row < 0 || row >= Side || column < 0 || column >= Side) {
            return nullptr;
        }
        return cell(row * Side + column);
    }
    int selectedCellCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override { return {}; }
    QString columnDescription(int column) const override { return QString::number(column + 1); }
    QString rowDescription(int row) const override { return QString::number(row + 1); }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override { return Side; }
    int rowCount() const override { return Side; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

private:
    mutable std::array<QAccessible::Id, CellCount> m_cellIds{};
    std::array<QString, CellCount> m_names;
    const QObject* m_boardObject; // kept as given: the board may go first
};

QAccessibleInterface* boardFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String("prismora::BoardView") && object != nullptr &&
        object->isWidgetType()) {
        return new BoardTable(static_cast<BoardView*>(object));
    }
    return nullptr;
}

BoardTable* tableOf(BoardView& board)
{
    return dynamic_cast<BoardTable*>(QAccessible::queryAccessibleInterface(&board));
}

} // namespace

void installBoardAccessibility()
{
    static const bool isInstalled = [] {
        QAccessible::installFactory(boardFactory);
        return true;
    }();
    (void)isInstalled;
}

void announceKeyboardCell(BoardView& board)
{
    if (!QAccessible::isActive() || !board.hasFocus()) {
        return;
    }
    if (BoardTable* table = tableOf(board)) {
        QAccessibleEvent event(table->cell(indexOfCell(board.keyboardCell())), QAccessible::Focus);
        QAccessible::updateAccessibility(&event);
    }
}

void announceChangedCells(BoardView& board)
{
    const bool isListening = QAccessible::isActive();
    if (!isListening && !boardsWithTables().contains(&board)) {
        return;
    }
    if (BoardTable* table = tableOf(board)) {
        table->refreshNames(isListening);
    }
}

} // namespace prismora
