// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Playing through the window: placing, dragging, turning, dropping, and the bomb restart.
#include "test_levels.h"
#include "window_test_support.h"

#include "view/board_view.h"
#include "view/palette_list.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace prismora::windowtest {
namespace {

// Runs the queued work (repaints, the bomb restart) the way the event loop would.
void settle()
{
    for (int i = 0; i < 3; ++i) {
        QApplication::processEvents();
    }
}

QString status(MainWindow& window)
{
    settle();
    return statusLabel(window)->text();
}

// The window with mirrorLevel loaded through "Ladda spel...".
struct MirrorGame : WindowHarness {
    MirrorGame() : WindowHarness({{"Level01.prl", mirrorLevel()}})
    {
        dialogs.files.push_back(path("Level01.prl"));
        click(window(), "openButton");
    }
    // Takes the mirror out of the palette and carries it to column 5, row 5.
    int placeMirror()
    {
        doubleClickPaletteRow(window(), 0);
        const int mirror = pieceCount() - 1;
        dragOnBoard(window(), cellPoint(1, 1), cellPoint(5, 5));
        return mirror;
    }
    const Piece& piece(int index) const { return level().pieces[static_cast<std::size_t>(index)]; }
};

TEST(PlayWindow, WholeGameWithDoubleClickDragRightButtonAndWheel)
{
    MirrorGame game;
    MainWindow& form = game.window();
    EXPECT_EQ(form.windowTitle(),
              QString("Prismora version 2.52") + QString(15, ' ') + "Level laddad: Level01.prl");
    EXPECT_EQ(levelNameEdit(form)->text(), QString("Första"));
    EXPECT_EQ(status(form), QString("1 lampor kvar att tända"));
    EXPECT_EQ(game.count(0), 1);

    const int mirror = game.placeMirror();
    EXPECT_EQ(game.count(0), 0);
    doubleClickPaletteRow(form, 0); // nothing left in hand: nothing added
    EXPECT_EQ(game.pieceCount(), mirror + 1);
    const auto piece = [&game, mirror] { return game.piece(mirror); };
    EXPECT_EQ(piece().kind, PieceKind::Mirror);
    EXPECT_EQ(piece().column, 5);
    EXPECT_EQ(piece().row, 5);
    EXPECT_EQ(boardView(form)->cursor().shape(), Qt::SizeAllCursor);

    rightClickOnBoard(form, cellPoint(5, 5));
    rightClickOnBoard(form, cellPoint(5, 5));
    EXPECT_EQ(piece().direction, 2);
    EXPECT_EQ(status(form), QString("1 lampor kvar att tända"));

    wheelOnBoard(form, -120); // towards the user: one step counter-clockwise
    EXPECT_EQ(piece().direction, 3);
    EXPECT_EQ(status(form), QString("Grattis! Du klarade det :)"));
    EXPECT_TRUE(form.evaluation().isFinished());

    wheelOnBoard(form, 120);
    EXPECT_EQ(piece().direction, 2);
    // Touchpad steps turn only once they add up to a notch; empty ones never.
    wheelOnBoard(form, 0);
    wheelOnBoard(form, -60);
    EXPECT_EQ(piece().direction, 2);
    wheelOnBoard(form, -60);
    EXPECT_EQ(status(form), QString("Grattis! Du klarade det :)"));
}

TEST(PlayWindow, FixedPiecesAndCannonsCannotBeTouchedInPlay)
{
    MirrorGame game;
    MainWindow& form = game.window();
    doubleClickPaletteRow(form, 0);
    // The lamp cannot be picked up; the cannon neither.
    dragOnBoard(form, cellPoint(5, 1), cellPoint(7, 7));
    EXPECT_EQ(game.piece(0).column, 5);
    EXPECT_EQ(game.piece(0).row, 1);
    dragOnBoard(form, cellPoint(1, 5), cellPoint(7, 7));
    EXPECT_EQ(game.level().sources[0].column, 1);
    rightClickOnBoard(form, cellPoint(1, 5));
    EXPECT_EQ(game.level().sources[0].direction, 0);

    // A mirror under the lamp is found through it.
    dragOnBoard(form, cellPoint(1, 1), cellPoint(5, 1));
    sendMouse(boardView(form), QEvent::MouseMove, cellPoint(5, 1), Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(form.session().grab(), Grab::piece(1));
}

TEST(PlayWindow, DragStepsNeedTheLeftButtonAloneAndDoubleClickDoesNotTurn)
{
    MirrorGame game;
    MainWindow& form = game.window();
    const int mirror = game.placeMirror();
    const auto piece = [&game, mirror] { return game.piece(mirror); };
    QWidget* board = boardView(form);

    // With Shift held the move is a hover scan: the mirror stays and, the
    // pointer being off it, nothing is hot any more.
    sendMouse(board, QEvent::MouseMove, cellPoint(5, 5), Qt::NoButton, Qt::NoButton);
    sendMouse(board, QEvent::MouseButtonPress, cellPoint(5, 5), Qt::LeftButton, Qt::LeftButton);
    sendMouse(board, QEvent::MouseMove, cellPoint(7, 7), Qt::NoButton, Qt::LeftButton,
              Qt::ShiftModifier);
    sendMouse(board, QEvent::MouseMove, cellPoint(8, 8), Qt::NoButton, Qt::LeftButton);
    sendMouse(board, QEvent::MouseButtonRelease, cellPoint(8, 8), Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(piece().column, 5);
    EXPECT_EQ(piece().row, 5);
    EXPECT_TRUE(form.session().grab().isNothing());
    EXPECT_EQ(board->cursor().shape(), Qt::ArrowCursor);

    // The second press of a right double click does not turn again.
    rightClickOnBoard(form, cellPoint(5, 5));
    sendMouse(board, QEvent::MouseButtonDblClick, cellPoint(5, 5), Qt::RightButton,
              Qt::RightButton);
    sendMouse(board, QEvent::MouseButtonRelease, cellPoint(5, 5), Qt::RightButton, Qt::NoButton);
    EXPECT_EQ(piece().direction, 1);
    // Nor does a right press with a modifier.
    sendMouse(board, QEvent::MouseButtonPress, cellPoint(5, 5), Qt::RightButton, Qt::RightButton,
              Qt::ControlModifier);
    EXPECT_EQ(piece().direction, 1);
}

TEST(PlayWindow, DropsPastAnyEdgeReturnThePieceToThePalette)
{
    MirrorGame game;
    MainWindow& form = game.window();
    QWidget* board = boardView(form);
    struct Drop {
        QPoint to;
        bool removed;
    };
    // x = 450 is the last pixel of the board but lies in column 10; -1 is
    // already column 0 on the left, as 450 is on the right; 449 is column 9.
    const Drop drops[] = {{QPoint(450, 100), true},  {QPoint(100, 460), true},
                          {QPoint(449, 449), false}, {QPoint(-1, 100), true},
                          {QPoint(100, -10), true},  {QPoint(-60, 100), true},
                          {QPoint(100, -60), true}};
    for (const Drop& drop : drops) {
        SCOPED_TRACE(testing::Message() << drop.to.x() << "," << drop.to.y());
        doubleClickPaletteRow(form, 0);
        const int mirror = game.pieceCount() - 1;
        dragOnBoard(form, cellPoint(1, 1), drop.to);
        EXPECT_EQ(game.piece(mirror).removed, drop.removed);
        EXPECT_EQ(game.count(0), drop.removed ? 1 : 0);
        // Releasing again without a move changes no count.
        sendMouse(board, QEvent::MouseButtonRelease, drop.to, Qt::LeftButton, Qt::NoButton);
        EXPECT_EQ(game.count(0), drop.removed ? 1 : 0);
        if (!drop.removed) {
            dragOnBoard(form, cellPoint(9, 9), QPoint(460, 460));
        }
    }
}

TEST(PlayWindow, RecordsFarOffTheBoardCannotBePickedFromIt)
{
    // A hand-edited mirror whose pick square, in 32-bit pixels, would wrap
    // round onto column 3 of row 1.
    WindowHarness harness({{"far.prl", levelText({"[LevelParametrar]", "Empty=False", "[Sak0]",
                                                  "Typ=0", "Top=1", "Left=-2147483645"})}});
    MainWindow& form = harness.window();
    form.loadLevelFile(harness.path("far.prl"));
    for (int y = 0; y < 451; y += 3) {
        for (int x = 0; x < 451; x += 3) {
            sendMouse(boardView(form), QEvent::MouseMove, QPoint(x, y), Qt::NoButton, Qt::NoButton);
            ASSERT_TRUE(form.session().grab().isNothing()) << x << "," << y;
        }
    }
    dragOnBoard(form, QPoint(110, 10), cellPoint(5, 5));
    EXPECT_EQ(harness.level().pieces[0].column, -2147483645);
}

TEST(PlayWindow, BombRestartsTheLevelAndShowsTheBombText)
{
    WindowHarness harness({{"bomb.prl", bombLevel()}});
    MainWindow& form = harness.window();
    form.loadLevelFile(harness.path("bomb.prl"));
    EXPECT_EQ(status(form), QString("1 lampor kvar att tända"));
    doubleClickPaletteRow(form, 0);
    dragOnBoard(form, cellPoint(1, 1), cellPoint(5, 5));
    for (int turn = 0; turn < 3; ++turn) {
        rightClickOnBoard(form, cellPoint(5, 5));
    }
    EXPECT_EQ(status(form), QString("BOOOOOOM bara att börja om..."));
    // The level is back at its start: the mirror in the palette again.
    EXPECT_EQ(harness.pieceCount(), 2);
    EXPECT_EQ(harness.count(0), 1);
    EXPECT_TRUE(form.session().grab().isNothing());
    // The next action shows the lamp count of the restarted level.
    wheelOnBoard(form, 120);
    EXPECT_EQ(statusLabel(form)->text(), QString("1 lampor kvar att tända"));
}

TEST(PlayWindow, PositionThatExplodesAsLoadedIsShownWithTheBombText)
{
    WindowHarness harness({{"boom.prl", explodingPosition()}});
    MainWindow& form = harness.window();
    form.loadLevelFile(harness.path("boom.prl"));
    EXPECT_EQ(status(form), QString("BOOOOOOM bara att börja om..."));
    EXPECT_EQ(harness.pieceCount(), 2);
    // Any action restarts it, once, and shows the bomb text again.
    wheelOnBoard(form, 120);
    EXPECT_EQ(status(form), QString("BOOOOOOM bara att börja om..."));
    EXPECT_EQ(harness.pieceCount(), 2);
    EXPECT_TRUE(harness.dialogs.boxes.empty());
}

} // namespace
} // namespace prismora::windowtest
