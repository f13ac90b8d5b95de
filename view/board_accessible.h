// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The board as a screen reader sees it: a table of 81 named cells, the keyboard's cell focused.
#pragma once

#include "core/level.h"

namespace prismora {

class BoardView;

// Lets Qt's accessibility find the board's table; BoardView installs it
// when the first board is made. Idempotent.
void installBoardAccessibility();

// Tell an assistive technology that the keyboard's cell of `board` has the
// focus (after it moved, or the board got the focus), and which cells now
// read differently (after the board showed a new position or invitation).
// Nothing is done while no assistive technology listens.
void announceKeyboardCell(BoardView& board);
void announceChangedCells(BoardView& board);

} // namespace prismora
