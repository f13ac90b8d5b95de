// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Playing a shipped level by keys alone, and the chooser remembering it after the game restarts.
#include "window_test_support.h"

#include "app/level_chooser.h"
#include "view/board_view.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace prismora::windowtest {
namespace {

QString shippedLevel(const char* name)
{
    QFile file(QStringLiteral(PRISMORA_TEST_DATA "/../../levels/") + QString::fromLatin1(name));
    if (!file.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "cannot read " << name;
    }
    return QString::fromLatin1(file.readAll());
}

// A key pressed where the keyboard focus is, as a player would press it.
void press(MainWindow& window, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
           int times = 1)
{
    for (int i = 0; i < times; ++i) {
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus != nullptr ? focus : &window, static_cast<Qt::Key>(key), modifiers);
    }
}

void activate(MainWindow& window)
{
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
}

TEST(KeyboardWindow, ASeriesLevelIsSolvedByKeysAloneAndTheChooserRemembersIt)
{
    WindowHarness harness({{"Level01.prl", shippedLevel("Level01.prl")},
                           {"Level02.prl", shippedLevel("Level02.prl")}});
    MainWindow& form = harness.window();
    activate(form);
    press(form, Qt::Key_PageDown);
    press(form, Qt::Key_PageUp); // the first level, as "<--" reaches it
    EXPECT_EQ(form.session().series().hint(), "Level 0 of 1; Level01.prl");
    for (int tab = 0; tab < 20 && !boardView(form)->hasFocus(); ++tab) {
        press(form, Qt::Key_Tab);
    }
    ASSERT_TRUE(boardView(form)->hasFocus()) << "Tab reaches the board";

    // The mirror from the first palette row is carried from the top-left
    // cell to column 7, row 5 and turned three steps to send the beam north.
    press(form, Qt::Key_1);
    press(form, Qt::Key_Right, Qt::NoModifier, 6);
    press(form, Qt::Key_Down, Qt::NoModifier, 4);
    press(form, Qt::Key_R, Qt::ShiftModifier);
    press(form, Qt::Key_R, Qt::NoModifier, 4);
    const int carried = static_cast<int>(form.level().pieces.size()) - 1;
    EXPECT_EQ(form.session().cursor().held, Grab::piece(carried));
    press(form, Qt::Key_Space);
    EXPECT_TRUE(form.session().cursor().held.isNothing());
    const Piece& mirror = form.level().pieces.back();
    EXPECT_EQ(std::tuple(mirror.column, mirror.row, int(mirror.direction)), std::tuple(7, 5, 3));
    EXPECT_EQ(statusLabel(form)->text(), QString("Grattis! Du klarade det :)"));

    // The game started again on the same settings marks the level solved
    // and offers the next one; choosing it moves the series there.
    MainWindow again(harness.options());
    again.show();
    activate(again);
    press(again, Qt::Key_L, Qt::ControlModifier);
    auto* chooser = again.findChild<LevelChooser*>("levelChooser");
    ASSERT_NE(chooser, nullptr);
    const auto* list = chooser->findChild<QListWidget*>("levelList");
    ASSERT_EQ(list->count(), 2);
    EXPECT_TRUE(list->item(0)->data(LevelChooser::SolvedRole).toBool());
    // One take, one carry and five turns: six moves.
    EXPECT_TRUE(list->item(0)->text().contains("6 drag, 0:"))
        << list->item(0)->text().toStdString();
    EXPECT_FALSE(list->item(1)->data(LevelChooser::SolvedRole).toBool());
    EXPECT_EQ(chooser->selectedIndex(), 1);
    EXPECT_EQ(chooser->findChild<QPushButton*>("continueButton"), nullptr);
    QTest::mouseClick(chooser->findChild<QPushButton*>("playButton"), Qt::LeftButton);
    EXPECT_EQ(again.session().series().hint(), "Level 1 of 1; Level02.prl");
    EXPECT_EQ(again.level().name, "Två sidor");
}

} // namespace
} // namespace prismora::windowtest
