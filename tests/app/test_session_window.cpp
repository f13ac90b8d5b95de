// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What the window adds to the session: keys for undo and restart, closing, focus, the chooser.
#include "test_levels.h"
#include "window_test_support.h"

#include "app/level_chooser.h"
#include "view/board_view.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

#include <gtest/gtest.h>

namespace prismora::windowtest {
namespace {

void press(MainWindow& window, QKeyCombination key)
{
    QWidget* focus = QApplication::focusWidget();
    QTest::keyClick(focus != nullptr ? focus : &window, key.key(), key.keyboardModifiers());
}

void activate(MainWindow& window)
{
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
}

TEST(SessionWindow, UndoRedoAndRestartKeysReachTheSessionAndTheBoardShowsIt)
{
    WindowHarness harness({{"bomb.prl", bombLevel()}});
    MainWindow& form = harness.window();
    activate(form);
    form.loadLevelFile(harness.path("bomb.prl"));
    doubleClickPaletteRow(form, 0);
    dragOnBoard(form, cellPoint(1, 1), cellPoint(5, 5));
    for (int turn = 0; turn < 3; ++turn) {
        rightClickOnBoard(form, cellPoint(5, 5)); // the third sends the beam into the bomb
    }
    EXPECT_EQ(statusLabel(form)->text(), QString("BOOOOOOM bara att börja om..."));
    press(form, Qt::CTRL | Qt::Key_Z);
    EXPECT_EQ(harness.level().pieces.back().direction, 2);
    EXPECT_EQ(statusLabel(form)->text(), QString("1 lampor kvar att tända"));
    // The pointer has not moved: the piece under it turns at once.
    rightClickOnBoard(form, cellPoint(5, 5));
    EXPECT_EQ(statusLabel(form)->text(), QString("BOOOOOOM bara att börja om..."));
    press(form, Qt::CTRL | Qt::Key_Z);
    press(form, Qt::CTRL | Qt::Key_R);
    EXPECT_EQ(harness.count(0), 1) << "started over";
    press(form, Qt::CTRL | Qt::Key_Y);
    press(form, Qt::CTRL | Qt::Key_Z);
    EXPECT_EQ(harness.count(0), 0) << "the restart undone";
}

TEST(SessionWindow, ClosingTheWindowSavesAnUnfinishedGameAsAvslutaDoes)
{
    WindowHarness harness({{"a.prl", mirrorLevel()}});
    MainWindow& form = harness.window();
    form.loadLevelFile(harness.path("a.prl"));
    form.close();
    EXPECT_FALSE(form.isVisible());
    EXPECT_TRUE(QFile::exists(harness.path("currentlevel.prl")));

    // A changed design with nothing to light is finished, so nothing is
    // saved: it is asked about, and "No" keeps the window open.
    MainWindow again(harness.options());
    again.show();
    click(again, "newDesignButton");
    doubleClickPaletteRow(again, 13);
    harness.dialogs.boxes.clear();
    again.close();
    EXPECT_TRUE(again.isVisible());
    ASSERT_EQ(harness.dialogs.boxes.size(), 1u);
    EXPECT_EQ(harness.dialogs.boxes[0].caption, QString("Fråga"));
}

TEST(SessionWindow, TheBoardHasTheKeysFromTheStartAndTabComesBackToIt)
{
    WindowHarness harness({{"Level01.prl", mirrorLevel()}, {"Level02.prl", mirrorLevel()}});
    MainWindow& form = harness.window();
    activate(form);
    EXPECT_TRUE(boardView(form)->hasFocus());
    press(form, QKeyCombination(Qt::Key_H));
    EXPECT_EQ(levelNameEdit(form)->text(), QString("(no name)")) << "H is a hint, not a letter";
    QTest::mouseClick(levelNameEdit(form), Qt::LeftButton);
    press(form, QKeyCombination(Qt::Key_Tab));
    EXPECT_TRUE(boardView(form)->hasFocus()) << "Tab goes from the name field to the board";
    QTest::mouseClick(levelNameEdit(form), Qt::LeftButton);
    QTest::mouseClick(boardView(form), Qt::LeftButton, Qt::NoModifier, cellPoint(3, 3));
    EXPECT_TRUE(boardView(form)->hasFocus()) << "a click gives the board the keys";
    click(form, "nextLevelButton");
    EXPECT_TRUE(boardView(form)->hasFocus()) << "after every load";
}

TEST(SessionWindow, TheChooserOffersOnlyLevelFilesAndOpeningAStrayOneIsRefused)
{
    WindowHarness harness({{"Level01.prl", mirrorLevel()},
                           {"Level02.prl", "keine Ebene"},
                           {"Level04.prl", solvedLevel()}});
    QDir(harness.path("")).mkdir("Level03.prl");
    MainWindow form(harness.options());
    form.show();
    activate(form);
    press(form, Qt::CTRL | Qt::Key_L);
    auto* chooser = form.findChild<LevelChooser*>("levelChooser");
    ASSERT_NE(chooser, nullptr);
    const auto* list = chooser->findChild<QListWidget*>("levelList");
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->item(1)->data(LevelChooser::IndexRole).toInt(), 3);
    chooser->close();

    form.loadLevelFile(harness.path("Level01.prl"));
    harness.dialogs.boxes.clear();
    form.loadLevelFile(harness.path("Level02.prl"));
    ASSERT_EQ(harness.dialogs.boxes.size(), 1u);
    EXPECT_EQ(harness.dialogs.boxes[0].caption, QString("Information"));
    EXPECT_TRUE(harness.dialogs.boxes[0].text.contains("Level02.prl"));
    EXPECT_EQ(form.level().name, "Första");
}

} // namespace
} // namespace prismora::windowtest
