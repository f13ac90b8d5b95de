// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Playing by keys: the keyboard's cell on the board and the record it carries.
#pragma once

#include "core/level.h"
#include "core/play.h"

#include <cstdint>

namespace prismora {

// The keyboard's cell, always one of the board's 9 x 9, and the record it
// carries. The keys keep their own hold, apart from the pointer's Grab, so a
// mouse passing over the board never drops what the keys carry. Every rule
// below is a play rule of core/play applied at the cursor: what may be
// picked up, turned or given back is what the pointer could grab there.
struct BoardCursor {
    std::int32_t column = 1;
    std::int32_t row = 1;
    Grab held;
};

// The record the cursor carries, or nothing once it has left the level (a
// load, an undo, or the pointer dropping it off the board).
Grab heldRecord(const Level& level, const BoardCursor& cursor);

// The record a key acts on: the one carried, else the one the pointer would
// grab in the cursor's cell.
Grab recordAtCursor(const Level& level, const BoardCursor& cursor);

// One cell in a direction. A carried record follows the cursor as a drag
// does; a step past the board's edge drops it there, which takes it off the
// board (back to the hand in play) and ends the carry, the cursor staying on
// the edge. Without a carry the cursor stops at the edge. True when the
// level changed.
bool moveCursor(Level& level, BoardCursor& cursor, int columnStep, int rowStep);

enum class HoldChange { PickedUp, PutDown, Nothing };

// Puts the carried record down where it stands, or picks up the record the
// pointer could grab in the cursor's cell. Neither changes the level.
HoldChange pickUpOrPutDown(const Level& level, BoardCursor& cursor);

// Turns the record at the cursor one step. True when something turned.
bool turnAtCursor(Level& level, const BoardCursor& cursor, Turn turn);

// Gives the record at the cursor back as a drop past the board's edge does:
// to the hand in play, out of the level in the editor. Ends any carry. True
// when something was taken off.
bool giveBackAtCursor(Level& level, BoardCursor& cursor);

// Takes one piece (or, in the editor, a cannon) from palette row `row` as a
// double-click does and carries it from the top-left cell, where it lands;
// the cursor moves there.
TakeResult takeIntoHand(Level& level, BoardCursor& cursor, int row);

} // namespace prismora
