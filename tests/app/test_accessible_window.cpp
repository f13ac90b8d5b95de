// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What a screen reader finds in the window: the frame, the named controls, the status line and the
// board's table of cells whose focused one follows the keys.
#include "test_levels.h"
#include "window_test_support.h"

#include "view/board_view.h"
#include "view/palette_list.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

namespace prismora::windowtest {
namespace {

QAccessibleInterface* accessible(QObject* object)
{
    return QAccessible::queryAccessibleInterface(object);
}

QString nameOf(QAccessibleInterface* interface)
{
    return interface != nullptr ? interface->text(QAccessible::Name) : QStringLiteral("<none>");
}

// The accessible children of `parent` that report the focus.
int focusedChildren(QAccessibleInterface* parent)
{
    int focused = 0;
    for (int i = 0; i < parent->childCount(); ++i) {
        focused += parent->child(i)->state().focused ? 1 : 0;
    }
    return focused;
}

class AccessibleWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    }

    WindowHarness harness{{{"mirror.prl", mirrorLevel()}}};
    MainWindow& form = harness.window();
};

TEST_F(AccessibleWindow, TheWindowIsANamedFrameWithNamedControlsAndAStatus)
{
    QAccessibleInterface* window = accessible(&form);
    EXPECT_EQ(window->role(), QAccessible::Window);
    EXPECT_EQ(nameOf(window), QStringLiteral("Prismora"));

    QAccessibleInterface* status = accessible(statusLabel(form));
    EXPECT_EQ(status->role(), QAccessible::StatusBar);
    EXPECT_EQ(nameOf(status), QStringLiteral("Ingen level laddad"));

    QAccessibleInterface* nameField = accessible(levelNameEdit(form));
    EXPECT_EQ(nameOf(nameField), QStringLiteral("Banans namn"));
    const auto labels = nameField->relations(QAccessible::Label);
    ASSERT_EQ(labels.size(), 1);
    EXPECT_EQ(nameOf(labels[0].first), QStringLiteral("Namn:"));

    form.loadLevelFile(harness.path(QStringLiteral("mirror.prl")));
    EXPECT_EQ(nameOf(status), QStringLiteral("1 lampor kvar att tända"));
    QAccessibleInterface* palette = accessible(paletteList(form));
    ASSERT_GT(palette->childCount(), 0);
    EXPECT_EQ(nameOf(palette->child(0)), QStringLiteral("Spegel, 1 kvar"));
}

TEST_F(AccessibleWindow, TheBoardIsATableOfNamedCellsAndItsFocusedCellFollowsTheKeys)
{
    BoardView* board = boardView(form);
    QAccessibleInterface* table = accessible(board);
    ASSERT_EQ(table->childCount(), 81);
    ASSERT_NE(table->tableInterface(), nullptr);
    EXPECT_EQ(nameOf(table->tableInterface()->cellAt(0, 4)),
              QStringLiteral("Kolumn 5, rad 1: tom"));

    form.loadLevelFile(harness.path(QStringLiteral("mirror.prl")));
    QAccessibleTableInterface* cells = table->tableInterface();
    EXPECT_EQ(nameOf(cells->cellAt(0, 4)), QStringLiteral("Kolumn 5, rad 1: Röd lampa, släckt"));
    EXPECT_EQ(nameOf(cells->cellAt(4, 0)),
              QStringLiteral("Kolumn 1, rad 5: Röd Laserkanon, skjuter åt höger; röd stråle"));
    EXPECT_EQ(nameOf(cells->cellAt(4, 2)), QStringLiteral("Kolumn 3, rad 5: röd stråle"));

    board->setFocus();
    QTRY_VERIFY(board->hasFocus());
    const Cell start = board->keyboardCell();
    EXPECT_EQ(table->focusChild(), cells->cellAt(start.row - 1, start.column - 1));
    QTest::keyClick(board, Qt::Key_Down);
    EXPECT_EQ(table->focusChild(), cells->cellAt(start.row, start.column - 1));
    EXPECT_EQ(focusedChildren(table), 1);

    // Taking a piece by its number leaves the focus on the board alone.
    QTest::keyClick(board, Qt::Key_1);
    EXPECT_TRUE(board->hasFocus());
    EXPECT_EQ(focusedChildren(accessible(paletteList(form))), 0);
    EXPECT_EQ(focusedChildren(table), 1);
}

} // namespace
} // namespace prismora::windowtest
