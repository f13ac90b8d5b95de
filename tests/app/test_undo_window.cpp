// Undo, redo and restart in the window: a bomb restart undone to the position before the fatal
// move.
#include "test_levels.h"
#include "window_test_support.h"

#include <QApplication>
#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

namespace prismora::windowtest {
namespace {

void press(MainWindow& window, QKeyCombination key)
{
    QTest::keyClick(&window, key.key(), key.keyboardModifiers());
}

TEST(UndoWindow, UndoAfterABombBringsBackThePositionBeforeTheFatalTurn)
{
    WindowHarness harness({{"bomb.prl", bombLevel()}});
    MainWindow& form = harness.window();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    form.loadLevelFile(harness.path("bomb.prl"));
    doubleClickPaletteRow(form, 0);
    dragOnBoard(form, cellPoint(1, 1), cellPoint(5, 5));
    const int mirror = harness.pieceCount() - 1;
    const auto direction = [&] { return harness.level().pieces.back().direction; };
    rightClickOnBoard(form, cellPoint(5, 5));
    rightClickOnBoard(form, cellPoint(5, 5));
    rightClickOnBoard(form, cellPoint(5, 5)); // the beam now runs into the bomb
    EXPECT_EQ(statusLabel(form)->text(), QString("BOOOOOOM bara att börja om..."));
    EXPECT_EQ(harness.count(0), 1);

    press(form, Qt::CTRL | Qt::Key_Z);
    ASSERT_EQ(harness.pieceCount(), mirror + 1);
    EXPECT_EQ(direction(), 2);
    EXPECT_EQ(harness.count(0), 0);
    EXPECT_EQ(statusLabel(form)->text(), QString("1 lampor kvar att tända"));
    press(form, Qt::CTRL | Qt::Key_Z);
    EXPECT_EQ(direction(), 1);
    press(form, Qt::CTRL | Qt::Key_Y);
    press(form, Qt::CTRL | Qt::SHIFT | Qt::Key_Z);
    EXPECT_EQ(harness.count(0), 1) << "redone up to the restart";
    EXPECT_EQ(harness.pieceCount(), mirror);

    // Undo back to the placed mirror and the drag before it, one step each;
    // a restart by key is a step that undo takes back too.
    for (int step = 0; step < 4; ++step) {
        press(form, Qt::CTRL | Qt::Key_Z);
    }
    EXPECT_EQ(harness.level().pieces.back().column, 1) << "before the drag";
    press(form, Qt::CTRL | Qt::Key_R);
    EXPECT_EQ(harness.pieceCount(), mirror);
    press(form, Qt::CTRL | Qt::Key_Z);
    EXPECT_EQ(harness.pieceCount(), mirror + 1);
    EXPECT_EQ(harness.level().pieces.back().column, 1);

    // Loading a level forgets every step.
    form.loadLevelFile(harness.path("bomb.prl"));
    press(form, Qt::CTRL | Qt::Key_Z);
    EXPECT_EQ(harness.pieceCount(), mirror);
}

} // namespace
} // namespace prismora::windowtest
