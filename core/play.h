// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The rules of what a player and a designer do to a level: take, grab, move, turn, drop, switch
// modes.
#pragma once

#include "core/evaluation.h"
#include "core/level.h"

#include <cstdint>

namespace prismora {

// What the pointer (or the keyboard) has hold of: a piece, a cannon (only in
// the editor), or nothing. It is found again by findGrabbable on every
// pointer move that is not a drag step, and follows the pointer while the
// left button alone is held.
struct Grab {
    enum class Target { Nothing, Piece, Cannon };
    Target target = Target::Nothing;
    int index = -1; // in Level::pieces or Level::sources

    static Grab piece(int index) { return {Target::Piece, index}; }
    static Grab cannon(int index) { return {Target::Cannon, index}; }
    bool isNothing() const { return target == Target::Nothing; }
    bool operator==(const Grab&) const = default;
};

// True when `grab` names a record of `level` that is still on it: a live
// piece, or a live cannon. Every rule below acts only on such a record.
bool isLiveRecord(const Level& level, const Grab& grab);

// The record under the pointer in (column, row): the live piece of the
// highest index there that may be touched (every piece in the editor, the
// placeable kinds only in play), else in the editor the live cannon of the
// highest index there, else nothing.
Grab findGrabbable(const Level& level, std::int64_t column, std::int64_t row);

// The palette row a grabbed record belongs to (its kind's row, or its
// cannon colour's row), or -1 when it has none.
int paletteRowOf(const Level& level, const Grab& grab);

// Moves the grabbed record to (column, row), anywhere, also off the board
// while it is being carried: nothing checks that the cell is free. A piece's
// output moves with it. False when no live record is grabbed or it is
// already there.
bool moveGrabbed(Level& level, const Grab& grab, std::int32_t column, std::int32_t row);

// Turns the grabbed record one step (a held piece, or a cannon in the
// editor). False when no live record is grabbed.
bool turnGrabbed(Level& level, const Grab& grab, Turn turn);

// The grabbed record was let go. When it lies off the board (column or row
// outside 1..9) it is taken off for good: a piece goes back to the palette in
// play (its row's count + 1) and leaves the level in the editor (count - 1);
// a cannon leaves the level (its colour's row - 1). True when something was
// taken off.
bool dropGrabbed(Level& level, const Grab& grab);

enum class TakeResult {
    Taken,       // a piece (or cannon) now stands on the top-left cell
    NothingLeft, // play: the row has no pieces left, or stands for none
    BoardFull,   // the tables are full and hold no removed record; nothing changed
};

struct Take {
    TakeResult result = TakeResult::NothingLeft;
    Grab record; // the new piece or cannon when Taken
};

// A double-click on palette row `row`: in play one piece of the row's kind
// from the hand (count - 1); in the editor a new piece or cannon of the row
// (count + 1, without limit). New records land on column 1, row 1, facing
// east, on top of whatever stands there (see addPiece and addCannon for the
// records a full table reuses, which need not be the last ones).
Take takeFromPalette(Level& level, int row);

// Edit mode on the loaded level: the palette gains rows 7..16 (count 0) so
// that every row exists; a palette without the seven placeable rows (none
// is loaded) is rebuilt from row 0. Pieces in the hand stay there.
void enterEditMode(Level& level);

// Play mode: the palette is cut back to the seven placeable rows, which keep
// their counts.
void enterPlayMode(Level& level);

// A new, empty design: no name, edit mode, all seventeen rows at count 0.
Level newDesign();

// After a beam reaches a bomb in play the level starts over from its file.
// The window restarts at most once per action: a restarted position that
// itself hits a bomb is shown with the bomb text, not restarted again.
inline bool needsRestart(const Evaluation& evaluation)
{
    return evaluation.verdict == Verdict::Bomb;
}

} // namespace prismora
