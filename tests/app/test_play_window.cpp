// Playing through the window: placing, dragging, turning, dropping, and the bomb restart.
#include "test_levels.h"
#include "window_test_support.h"

#include "view/board_widget.h"
#include "view/palette_list.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace prismora::windowtest {
namespace {

// Runs the queued work (repaints, the bomb restart) the way the event loop would.
void Settle()
{
    for (int i = 0; i < 3; ++i) {
        QApplication::processEvents();
    }
}

QString Status(TForm1& form)
{
    Settle();
    return form.Label2->text();
}

// The window with MirrorLevel loaded through "Ladda spel...".
struct MirrorGame : WindowHarness {
    MirrorGame() : WindowHarness({{"Level01.prl", MirrorLevel()}})
    {
        dialogs.files.push_back(path("Level01.prl"));
        QTest::mouseClick(form().BitBtn1, Qt::LeftButton);
    }
    // Takes the mirror out of the palette and carries it to column 5, row 5.
    int placeMirror()
    {
        DoubleClickPaletteRow(form(), 0);
        const int mirror = board().PieceCount - 1;
        DragOnBoard(form(), CellPoint(1, 1), CellPoint(5, 5));
        return mirror;
    }
};

TEST(PlayWindow, WholeGameWithDoubleClickDragRightButtonAndWheel)
{
    MirrorGame game;
    TForm1& form = game.form();
    EXPECT_EQ(form.windowTitle(),
              QString("Prismora version 2.52") + QString(15, ' ') + "Level laddad: Level01.prl");
    EXPECT_EQ(form.Edit1->text(), QString("Första"));
    EXPECT_EQ(Status(form), QString("1 lampor kvar att tända"));
    EXPECT_EQ(game.palette().Count(0), 1);

    const int mirror = game.placeMirror();
    EXPECT_EQ(game.palette().Count(0), 0);
    DoubleClickPaletteRow(form, 0); // nothing left in hand: nothing added
    EXPECT_EQ(game.board().PieceCount, mirror + 1);
    const Piece& piece = game.board().Pieces[mirror];
    EXPECT_EQ(piece.Kind, PieceKind::Mirror);
    EXPECT_EQ(piece.Left, 5);
    EXPECT_EQ(piece.Top, 5);
    EXPECT_EQ(form.PaintBox1->cursor().shape(), Qt::SizeAllCursor);

    RightClickOnBoard(form, CellPoint(5, 5));
    RightClickOnBoard(form, CellPoint(5, 5));
    EXPECT_EQ(piece.Direction, 2);
    EXPECT_EQ(Status(form), QString("1 lampor kvar att tända"));

    WheelOnBoard(form, -120); // towards the user: one step counter-clockwise
    EXPECT_EQ(piece.Direction, 3);
    EXPECT_EQ(Status(form), QString("Grattis! Du klarade det :)"));
    EXPECT_TRUE(game.board().Finished);

    WheelOnBoard(form, 120);
    EXPECT_EQ(piece.Direction, 2);
    // Touchpad steps turn only once they add up to a notch; empty ones never.
    WheelOnBoard(form, 0);
    WheelOnBoard(form, -60);
    EXPECT_EQ(piece.Direction, 2);
    WheelOnBoard(form, -60);
    EXPECT_EQ(Status(form), QString("Grattis! Du klarade det :)"));
}

TEST(PlayWindow, FixedPiecesAndCannonsCannotBeTouchedInPlay)
{
    MirrorGame game;
    TForm1& form = game.form();
    DoubleClickPaletteRow(form, 0);
    // The lamp cannot be picked up; the cannon neither.
    DragOnBoard(form, CellPoint(5, 1), CellPoint(7, 7));
    EXPECT_EQ(game.board().Pieces[0].Left, 5);
    EXPECT_EQ(game.board().Pieces[0].Top, 1);
    DragOnBoard(form, CellPoint(1, 5), CellPoint(7, 7));
    EXPECT_EQ(game.board().Emitters[0].Left, 1);
    RightClickOnBoard(form, CellPoint(1, 5));
    EXPECT_EQ(game.board().Emitters[0].Direction, 0);

    // A mirror under the lamp is found through it.
    DragOnBoard(form, CellPoint(1, 1), CellPoint(5, 1));
    SendMouse(form.PaintBox1, QEvent::MouseMove, CellPoint(5, 1), Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(game.board().HotPiece, 1);
}

TEST(PlayWindow, DragStepsNeedTheLeftButtonAloneAndDoubleClickDoesNotTurn)
{
    MirrorGame game;
    TForm1& form = game.form();
    const int mirror = game.placeMirror();
    const Piece& piece = game.board().Pieces[mirror];
    QWidget* board = form.PaintBox1;

    // With Shift held the move is a hover scan: the mirror stays and, the
    // pointer being off it, nothing is hot any more.
    SendMouse(board, QEvent::MouseMove, CellPoint(5, 5), Qt::NoButton, Qt::NoButton);
    SendMouse(board, QEvent::MouseButtonPress, CellPoint(5, 5), Qt::LeftButton, Qt::LeftButton);
    SendMouse(board, QEvent::MouseMove, CellPoint(7, 7), Qt::NoButton, Qt::LeftButton,
              Qt::ShiftModifier);
    SendMouse(board, QEvent::MouseMove, CellPoint(8, 8), Qt::NoButton, Qt::LeftButton);
    SendMouse(board, QEvent::MouseButtonRelease, CellPoint(8, 8), Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(piece.Left, 5);
    EXPECT_EQ(piece.Top, 5);
    EXPECT_EQ(game.board().HotPiece, -1);
    EXPECT_EQ(board->cursor().shape(), Qt::ArrowCursor);

    // The second press of a right double click does not turn again.
    RightClickOnBoard(form, CellPoint(5, 5));
    SendMouse(board, QEvent::MouseButtonDblClick, CellPoint(5, 5), Qt::RightButton,
              Qt::RightButton);
    SendMouse(board, QEvent::MouseButtonRelease, CellPoint(5, 5), Qt::RightButton, Qt::NoButton);
    EXPECT_EQ(piece.Direction, 1);
    // Nor does a right press with a modifier.
    SendMouse(board, QEvent::MouseButtonPress, CellPoint(5, 5), Qt::RightButton, Qt::RightButton,
              Qt::ControlModifier);
    EXPECT_EQ(piece.Direction, 1);
}

TEST(PlayWindow, DropsPastAnyEdgeReturnThePieceToThePalette)
{
    MirrorGame game;
    TForm1& form = game.form();
    QWidget* board = form.PaintBox1;
    struct Drop {
        QPoint to;
        bool removed;
    };
    // x = 450 is the last pixel of the board but lies in column 10; -10 is
    // still column 1 (division truncates towards zero), -60 is column 0.
    const Drop drops[] = {{QPoint(450, 100), true},
                          {QPoint(100, 460), true},
                          {QPoint(-10, 100), false},
                          {QPoint(-60, 100), true},
                          {QPoint(100, -60), true}};
    for (const Drop& drop : drops) {
        SCOPED_TRACE(testing::Message() << drop.to.x() << "," << drop.to.y());
        DoubleClickPaletteRow(form, 0);
        const int mirror = game.board().PieceCount - 1;
        DragOnBoard(form, CellPoint(1, 1), drop.to);
        EXPECT_EQ(game.board().Pieces[mirror].Deleted, drop.removed);
        EXPECT_EQ(game.palette().Count(0), drop.removed ? 1 : 0);
        // Releasing again without a move changes no count.
        SendMouse(board, QEvent::MouseButtonRelease, drop.to, Qt::LeftButton, Qt::NoButton);
        EXPECT_EQ(game.palette().Count(0), drop.removed ? 1 : 0);
        if (!drop.removed) {
            DragOnBoard(form, CellPoint(1, 3), QPoint(460, 460));
        }
    }
}

TEST(PlayWindow, BombRestartsTheLevelAndShowsTheBombText)
{
    WindowHarness harness({{"bomb.prl", BombLevel()}});
    TForm1& form = harness.form();
    form.LoadLevelFile(harness.path("bomb.prl"));
    EXPECT_EQ(Status(form), QString("1 lampor kvar att tända"));
    DoubleClickPaletteRow(form, 0);
    DragOnBoard(form, CellPoint(1, 1), CellPoint(5, 5));
    for (int turn = 0; turn < 3; ++turn) {
        RightClickOnBoard(form, CellPoint(5, 5));
        form.PaintBox1->repaint();
    }
    EXPECT_EQ(Status(form), QString("BOOOOOOM bara att börja om..."));
    // The level is back at its start: the mirror in the palette again.
    EXPECT_EQ(harness.board().PieceCount, 2);
    EXPECT_EQ(harness.palette().Count(0), 1);
    EXPECT_EQ(harness.board().HotPiece, -1);
    // The next paint shows the lamp count of the restarted level.
    form.PaintBox1->repaint();
    EXPECT_EQ(form.Label2->text(), QString("1 lampor kvar att tända"));
}

TEST(PlayWindow, PositionThatExplodesAsLoadedIsRestartedOnceOnly)
{
    WindowHarness harness({{"boom.prl", ExplodingPosition()}});
    TForm1& form = harness.form();
    QSignalSpy paints(form.PaintBox1, &BoardWidget::painted);
    form.LoadLevelFile(harness.path("boom.prl"));
    EXPECT_EQ(Status(form), QString("BOOOOOOM bara att börja om..."));
    const qsizetype afterRestart = paints.count();
    EXPECT_LE(afterRestart, 3);
    Settle();
    EXPECT_EQ(paints.count(), afterRestart);
    EXPECT_EQ(harness.board().PieceCount, 2);
}

} // namespace
} // namespace prismora::windowtest
