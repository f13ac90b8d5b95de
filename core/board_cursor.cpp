// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Keyboard play rules: cursor steps, carrying, turning, giving back and taking from the palette.
#include "core/board_cursor.h"

#include <algorithm>

namespace prismora {

Grab heldRecord(const Level& level, const BoardCursor& cursor)
{
    return isLiveRecord(level, cursor.held) ? cursor.held : Grab{};
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
    const Take take = takeFromPalette(level, row);
    if (take.result == TakeResult::Taken) {
        cursor.held = take.record;
        cursor.column = 1;
        cursor.row = 1;
    }
    return take.result;
}

} // namespace prismora
