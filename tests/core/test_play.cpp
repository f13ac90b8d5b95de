// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The play rules: what may be grabbed, dropping past the edge, taking from the palette, modes.
#include "level_builder.h"

#include "core/play.h"

#include <gtest/gtest.h>

namespace prismora {
namespace {

using testing::cannon;
using testing::place;
using testing::playLevel;

TEST(PlayTest, InPlayOnlyMovablePiecesCanBeGrabbedTheNewestFirst)
{
    Level level = playLevel();
    const int mirror = place(level, PieceKind::Mirror, 3, 3);
    place(level, PieceKind::RedLamp, 3, 3);
    const int cannonIndex = cannon(level, 5, 5, 0, RedBeam);
    EXPECT_EQ(findGrabbable(level, 3, 3), Grab::piece(mirror))
        << "the lamp above it is passed over";
    EXPECT_TRUE(findGrabbable(level, 5, 5).isNothing()) << "cannons stay put in play";

    const int newer = place(level, PieceKind::Cross, 3, 3);
    EXPECT_EQ(findGrabbable(level, 3, 3), Grab::piece(newer));

    level.mode = Mode::Edit;
    EXPECT_EQ(findGrabbable(level, 5, 5), Grab::cannon(cannonIndex));
    EXPECT_EQ(findGrabbable(level, 3, 3), Grab::piece(newer));
}

TEST(PlayTest, DroppingPastAnyEdgeReturnsAPieceToTheHandInPlay)
{
    for (const auto& [column, row] : {std::pair{10, 4}, {4, 10}, {0, 4}, {4, -3}}) {
        Level level = playLevel();
        level.palette[0] = 1;
        ASSERT_EQ(takeFromPalette(level, 0).result, TakeResult::Taken);
        const Grab grab = findGrabbable(level, 1, 1);
        EXPECT_EQ(level.palette[0], 0);
        EXPECT_TRUE(moveGrabbed(level, grab, column, row));
        EXPECT_TRUE(dropGrabbed(level, grab));
        EXPECT_TRUE(level.pieces[0].removed);
        EXPECT_EQ(level.palette[0], 1);
        EXPECT_FALSE(dropGrabbed(level, grab)) << "a second release changes no count";
    }
}

TEST(PlayTest, DroppingOnTheBoardKeepsThePieceWhereItIs)
{
    Level level = playLevel();
    const int splitter = place(level, PieceKind::TCoupling, 2, 2);
    const Grab grab = Grab::piece(splitter);
    EXPECT_TRUE(moveGrabbed(level, grab, 9, 9));
    EXPECT_FALSE(dropGrabbed(level, grab));
    EXPECT_EQ(sourceCell(level, level.pieces[splitter].output).column, 9);
    EXPECT_TRUE(turnGrabbed(level, grab, Turn::Clockwise));
    EXPECT_EQ(level.pieces[splitter].direction, 7);
}

TEST(PlayTest, InTheEditorDroppedRecordsLeaveTheLevelAndTheirRowCountsDown)
{
    Level level = newDesign();
    ASSERT_EQ(takeFromPalette(level, 11).result, TakeResult::Taken); // a green cannon
    ASSERT_EQ(takeFromPalette(level, 7).result, TakeResult::Taken);  // a red lamp
    EXPECT_EQ(level.palette[11], 1);
    EXPECT_EQ(level.sources[0].colour, GreenBeam);

    const Grab lamp = findGrabbable(level, 1, 1);
    EXPECT_EQ(lamp, Grab::piece(0)) << "the lamp on the cannon's cell is found first";
    moveGrabbed(level, lamp, 1, 12);
    EXPECT_TRUE(dropGrabbed(level, lamp));
    EXPECT_EQ(level.palette[7], 0);

    const Grab cannonGrab = findGrabbable(level, 1, 1);
    ASSERT_EQ(cannonGrab, Grab::cannon(0));
    moveGrabbed(level, cannonGrab, 10, 1);
    EXPECT_TRUE(dropGrabbed(level, cannonGrab));
    EXPECT_EQ(level.palette[11], 0);
    EXPECT_TRUE(level.sources[0].removed);
}

TEST(PlayTest, TakingFromThePaletteNeedsPiecesInPlayAndRoomEverywhere)
{
    Level level = playLevel();
    EXPECT_EQ(takeFromPalette(level, 0).result, TakeResult::NothingLeft);
    EXPECT_EQ(takeFromPalette(level, -1).result, TakeResult::NothingLeft);
    level.palette[3] = 2;
    for (int i = 0; i < Level::CannonIndexLimit; ++i) {
        cannon(level, 9, 9, 0, RedBeam);
    }
    place(level, PieceKind::TCoupling, 8, 8); // takes the last source index
    const Level before = level;
    EXPECT_EQ(takeFromPalette(level, 3).result, TakeResult::BoardFull);
    EXPECT_EQ(level, before) << "a full table changes nothing";
}

// Every live splitting piece owns an output that points back at it, and no
// other piece owns one.
void expectOutputsOwnedOnce(const Level& level)
{
    for (std::size_t i = 0; i < level.pieces.size(); ++i) {
        const Piece& piece = level.pieces[i];
        if (piece.removed) {
            continue;
        }
        ASSERT_EQ(piece.output >= 0, isSplittingKind(piece.kind)) << "piece " << i;
        if (piece.output >= 0) {
            EXPECT_EQ(level.sources[static_cast<std::size_t>(piece.output)].piece,
                      static_cast<int>(i));
        }
    }
}

void giveBack(Level& level, const Grab& grab)
{
    moveGrabbed(level, grab, 10, 1);
    ASSERT_TRUE(dropGrabbed(level, grab));
}

TEST(PlayTest, TakingAndGivingBackForeverReusesRecordsOnceTheTablesAreFull)
{
    Level level = playLevel();
    level.palette = {1, 0, 0, 1, 0, 1, 0}; // a mirror, a T-coupling and an inverter
    const int rows[] = {0, 3, 5, 3, 0};
    for (int cycle = 0; cycle < 400; ++cycle) {
        const int row = rows[cycle % 5];
        const std::size_t recordsBefore = level.pieces.size();
        ASSERT_EQ(takeFromPalette(level, row).result, TakeResult::Taken) << "cycle " << cycle;
        const Grab grab = findGrabbable(level, 1, 1);
        if (recordsBefore < static_cast<std::size_t>(Level::MaxPieces)) {
            EXPECT_EQ(grab, Grab::piece(static_cast<int>(recordsBefore))) << "appended as ever";
        }
        expectOutputsOwnedOnce(level);
        giveBack(level, grab);
    }
    EXPECT_EQ(level.pieces.size(), static_cast<std::size_t>(Level::MaxPieces));
    EXPECT_LE(level.sources.size(), static_cast<std::size_t>(Level::MaxSources));
    EXPECT_EQ(level.palette, (std::vector<int>{1, 0, 0, 1, 0, 1, 0}));

    // In the editor cannons come back too, always below the cannon limit.
    Level design = newDesign();
    for (int cycle = 0; cycle < 120; ++cycle) {
        ASSERT_EQ(takeFromPalette(design, cycle % 2 ? 10 : 6).result, TakeResult::Taken);
        giveBack(design, findGrabbable(design, 1, 1));
        expectOutputsOwnedOnce(design);
    }
    ASSERT_EQ(takeFromPalette(design, 12).result, TakeResult::Taken);
    const Grab blue = findGrabbable(design, 1, 1);
    ASSERT_EQ(blue.target, Grab::Target::Cannon);
    EXPECT_LT(blue.index, Level::CannonIndexLimit);
    EXPECT_EQ(design.sources[static_cast<std::size_t>(blue.index)].colour, BlueBeam);
}

TEST(PlayTest, ModeSwitchesKeepTheHandAndEveryRowMatchingItsKind)
{
    Level level = playLevel();
    level.palette[0] = 1;
    enterEditMode(level);
    enterEditMode(level);
    EXPECT_EQ(level.palette.size(), static_cast<std::size_t>(EditRowCount));
    EXPECT_EQ(level.palette[0], 1);
    EXPECT_EQ(level.mode, Mode::Edit);
    enterPlayMode(level);
    EXPECT_EQ(level.palette.size(), static_cast<std::size_t>(PlayRowCount));
    EXPECT_EQ(level.palette[0], 1);

    Level empty; // nothing loaded: the palette has no rows
    enterEditMode(empty);
    EXPECT_EQ(empty.palette, std::vector<int>(EditRowCount, 0));
    enterPlayMode(empty);
    EXPECT_EQ(empty.palette.size(), static_cast<std::size_t>(PlayRowCount));
}

} // namespace
} // namespace prismora
