// Keyboard play rules: cursor steps, carrying, turning, giving back and taking from the palette.
#include "core/board_cursor.h"

#include "core/palette.h"

#include <algorithm>

namespace prismora {

Grab heldRecord(const Level& level, const BoardCursor& cursor)
{
    const Grab& held = cursor.held;
    const auto index = static_cast<std::size_t>(held.index);
    switch (held.target) {
    case Grab::Target::Piece:
        if (held.index >= 0 && index < level.pieces.size() && !level.pieces[index].removed) {
            return held;
        }
        break;
    case Grab::Target::Cannon:
        if (held.index >= 0 && index < level.sources.size() && level.sources[index].isCannon() &&
            !level.sources[index].removed) {
            return held;
        }
        break;
    case Grab::Target::Nothing:
        break;
    }
    return {};
}

Grab recordAtCursor(const Level& level, const BoardCursor& cursor)
{
    const Grab held = heldRecord(level, cursor);
    return held.isNothing() ? findGrabbable(level, cursor.column, cursor.row) : held;
}

bool moveCursor(Level& level, BoardCursor& cursor, int columnStep, int rowStep)
{
    const std::int32_t column = cursor.column + columnStep;
    const std::int32_t row = cursor.row + rowStep;
    const Grab held = heldRecord(level, cursor);
    if (held.isNothing()) {
        cursor.column = std::clamp(column, 1, BoardCells);
        cursor.row = std::clamp(row, 1, BoardCells);
        return false;
    }
    const bool moved = moveGrabbed(level, held, column, row);
    if (isBoardCell(column, row)) {
        cursor.column = column;
        cursor.row = row;
        return moved;
    }
    dropGrabbed(level, held);
    cursor.held = {};
    return true;
}

HoldChange pickUpOrPutDown(const Level& level, BoardCursor& cursor)
{
    if (!heldRecord(level, cursor).isNothing()) {
        cursor.held = {};
        return HoldChange::PutDown;
    }
    cursor.held = findGrabbable(level, cursor.column, cursor.row);
    return cursor.held.isNothing() ? HoldChange::Nothing : HoldChange::PickedUp;
}

bool turnAtCursor(Level& level, const BoardCursor& cursor, Turn turn)
{
    return turnGrabbed(level, recordAtCursor(level, cursor), turn);
}

bool giveBackAtCursor(Level& level, BoardCursor& cursor)
{
    const Grab record = recordAtCursor(level, cursor);
    cursor.held = {};
    if (record.isNothing()) {
        return false;
    }
    // Carried one cell past the right edge and let go, as a drag would.
    moveGrabbed(level, record, BoardCells + 1, cursor.row);
    return dropGrabbed(level, record);
}

TakeResult takeIntoHand(Level& level, BoardCursor& cursor, int row)
{
    const TakeResult result = takeFromPalette(level, row);
    if (result == TakeResult::Taken) {
        const bool isCannon = level.mode == Mode::Edit && cannonColourOfRow(row).has_value();
        cursor.held = isCannon ? Grab::cannon(static_cast<int>(level.sources.size()) - 1)
                               : Grab::piece(static_cast<int>(level.pieces.size()) - 1);
        cursor.column = 1;
        cursor.row = 1;
    }
    return result;
}

} // namespace prismora
