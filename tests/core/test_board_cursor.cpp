// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Keyboard play: carrying with the cursor, dropping past an edge, turning and giving back.
#include "level_builder.h"

#include "core/board_cursor.h"

#include <gtest/gtest.h>

namespace prismora {
namespace {

using testing::cannon;
using testing::place;
using testing::playLevel;

TEST(BoardCursorTest, ATakenPieceIsCarriedFromTheTopLeftCellAndPutDownWhereTheCursorIs)
{
    Level level = playLevel();
    level.palette[0] = 1;
    BoardCursor cursor{5, 5, {}};
    ASSERT_EQ(takeIntoHand(level, cursor, 0), TakeResult::Taken);
    EXPECT_EQ(cursor.column, 1);
    EXPECT_EQ(heldRecord(level, cursor), Grab::piece(0));
    EXPECT_TRUE(moveCursor(level, cursor, 1, 0));
    EXPECT_TRUE(moveCursor(level, cursor, 0, 1));
    EXPECT_EQ(level.pieces[0].column, 2);
    EXPECT_EQ(level.pieces[0].row, 2);
    EXPECT_TRUE(turnAtCursor(level, cursor, Turn::Anticlockwise));
    EXPECT_EQ(level.pieces[0].direction, 1);
    EXPECT_EQ(pickUpOrPutDown(level, cursor), HoldChange::PutDown);

    // Without a carry the cursor stops at the edges and moves nothing.
    for (int step = 0; step < 12; ++step) {
        EXPECT_FALSE(moveCursor(level, cursor, -1, -1));
    }
    EXPECT_EQ(cursor.column, 1);
    EXPECT_EQ(cursor.row, 1);
    EXPECT_EQ(level.pieces[0].column, 2);
    EXPECT_EQ(takeIntoHand(level, cursor, 0), TakeResult::NothingLeft);
    EXPECT_TRUE(heldRecord(level, cursor).isNothing());
}

TEST(BoardCursorTest, StepsPastAnyEdgeGiveTheCarriedPieceBack)
{
    for (const auto& [column, row, step] :
         {std::tuple{9, 4, 1}, {1, 4, -1}, {4, 9, 1}, {4, 1, -1}}) {
        Level level = playLevel();
        const int mirror = place(level, PieceKind::Mirror, column, row);
        BoardCursor cursor{column, row, {}};
        ASSERT_EQ(pickUpOrPutDown(level, cursor), HoldChange::PickedUp);
        const bool across = column == 9 || column == 1;
        EXPECT_TRUE(moveCursor(level, cursor, across ? step : 0, across ? 0 : step));
        EXPECT_TRUE(level.pieces[static_cast<std::size_t>(mirror)].removed);
        EXPECT_EQ(level.palette[0], 1);
        EXPECT_EQ(cursor.column, column) << "the cursor stays on the edge";
        EXPECT_EQ(cursor.row, row);
        EXPECT_TRUE(heldRecord(level, cursor).isNothing());
    }
}

TEST(BoardCursorTest, KeysActOnlyOnWhatThePointerCouldGrab)
{
    Level level = playLevel();
    place(level, PieceKind::Mirror, 3, 3);
    place(level, PieceKind::RedLamp, 3, 3);
    const int cannonIndex = cannon(level, 4, 4, 0, RedBeam);
    BoardCursor cursor{3, 3, {}};
    EXPECT_TRUE(turnAtCursor(level, cursor, Turn::Clockwise));
    EXPECT_EQ(level.pieces[0].direction, 7) << "the mirror under the lamp turns";
    EXPECT_TRUE(giveBackAtCursor(level, cursor));
    EXPECT_EQ(level.palette[0], 1);
    EXPECT_FALSE(giveBackAtCursor(level, cursor)) << "the lamp stays";
    cursor = {4, 4, {}};
    EXPECT_EQ(pickUpOrPutDown(level, cursor), HoldChange::Nothing) << "cannons stay put in play";

    // In the editor a cannon can be carried and given back: its row goes down.
    enterEditMode(level);
    level.palette[FirstCannonRow] = 1;
    EXPECT_EQ(pickUpOrPutDown(level, cursor), HoldChange::PickedUp);
    EXPECT_EQ(heldRecord(level, cursor), Grab::cannon(cannonIndex));
    EXPECT_TRUE(giveBackAtCursor(level, cursor));
    EXPECT_TRUE(level.sources[static_cast<std::size_t>(cannonIndex)].removed);
    EXPECT_EQ(level.palette[FirstCannonRow], 0);
    ASSERT_EQ(takeIntoHand(level, cursor, FirstCannonRow + 1), TakeResult::Taken);
    EXPECT_EQ(heldRecord(level, cursor), Grab::cannon(cannonIndex + 1));
}

} // namespace
} // namespace prismora
