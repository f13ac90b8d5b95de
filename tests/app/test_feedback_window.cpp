// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What a move sounds and looks like in the window: the solve's words and offer, forgiving mode's
// warning, and the remembered settings.
#include "test_levels.h"

#include "view/board_view.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>

namespace prismora::windowtest {
namespace {

QAction* action(MainWindow& window, const char* name)
{
    auto* found = window.findChild<QAction*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

bool hasPlayed(const WindowHarness& harness, GameSound sound)
{
    return std::find(harness.sounds.begin(), harness.sounds.end(), sound) != harness.sounds.end();
}

// The mirror from the palette turned to direction 3 in the top-left cell.
void takeMirrorTurnedNorth(MainWindow& form)
{
    doubleClickPaletteRow(form, 0);
    for (int turn = 0; turn < 3; ++turn) {
        rightClickOnBoard(form, cellPoint(1, 1));
    }
}

TEST(FeedbackWindow, ASolveCelebratesOffersTheNextLevelAndLeavesTheVerdictExact)
{
    WindowHarness harness({{"Level01.prl", mirrorLevel()}, {"Level02.prl", solvedLevel()}});
    MainWindow& form = harness.window();
    click(form, "previousLevelButton"); // the first level
    ASSERT_EQ(form.level().name, "Första");
    takeMirrorTurnedNorth(form);
    dragOnBoard(form, cellPoint(1, 1), cellPoint(5, 5));
    EXPECT_EQ(statusLabel(form)->text(), QString("Grattis! Du klarade det :)"));
    for (const GameSound sound :
         {GameSound::Take, GameSound::Turn, GameSound::Drop, GameSound::Solved}) {
        EXPECT_TRUE(hasPlayed(harness, sound)) << static_cast<int>(sound);
    }
    EXPECT_TRUE(boardView(form)->isAnimating());
    const auto* feedback = form.findChild<QLabel*>("feedbackLabel");
    ASSERT_TRUE(feedback->isVisible());
    EXPECT_TRUE(feedback->text().startsWith("4 drag, 0:")) << feedback->text().toStdString();
    EXPECT_TRUE(feedback->text().endsWith("Nästa bana: Enter"));
    boardView(form)->setFocus();
    QTest::keyClick(boardView(form), Qt::Key_Return);
    EXPECT_EQ(form.level().name, "Klar");
}

TEST(FeedbackWindow, ForgivingModeWarnsWhileTheSettingsAreRememberedAndMSilences)
{
    WindowHarness harness({{"Level01.prl", bombLevel()}, {"Level02.prl", solvedLevel()}});
    MainWindow& form = harness.window();
    EXPECT_FALSE(action(form, "forgivingAction")->isChecked()) << "off by default";
    EXPECT_TRUE(action(form, "animationsAction")->isChecked());
    action(form, "forgivingAction")->trigger();
    action(form, "animationsAction")->trigger();
    boardView(form)->setFocus();
    QTest::keyClick(boardView(form), Qt::Key_M);
    EXPECT_FALSE(action(form, "soundAction")->isChecked());

    click(form, "previousLevelButton"); // the first level
    takeMirrorTurnedNorth(form);
    // Carried over the cell that sends the beam into the bomb, and back.
    QWidget* board = boardView(form);
    sendMouse(board, QEvent::MouseButtonPress, cellPoint(1, 1), Qt::LeftButton, Qt::LeftButton);
    sendMouse(board, QEvent::MouseMove, cellPoint(5, 5), Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(statusLabel(form)->text(), QString("Akta bomben!"));
    sendMouse(board, QEvent::MouseMove, cellPoint(1, 1), Qt::NoButton, Qt::LeftButton);
    sendMouse(board, QEvent::MouseButtonRelease, cellPoint(1, 1), Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(statusLabel(form)->text(), QString("1 lampor kvar att tända"));
    EXPECT_EQ(form.level().pieces.back().column, 1);
    EXPECT_TRUE(harness.sounds.empty()) << "the sound is off";
    EXPECT_FALSE(boardView(form)->isAnimating()) << "the animations are off";

    MainWindow again(harness.options());
    EXPECT_TRUE(action(again, "forgivingAction")->isChecked());
    EXPECT_FALSE(action(again, "animationsAction")->isChecked());
    EXPECT_FALSE(action(again, "soundAction")->isChecked());
    EXPECT_EQ(again.session().forgivingMode(), ForgivingMode::On);
}

} // namespace
} // namespace prismora::windowtest
