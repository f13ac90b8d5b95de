// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The player's aids in the window: the hint's ghost, its cancelling, the remembered colour-blind
// aid and the help.
#include "test_levels.h"
#include "window_test_support.h"

#include "app/help_dialog.h"
#include "view/board_view.h"
#include "view/palette_list.h"

#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

namespace prismora::windowtest {
namespace {

void press(MainWindow& window, QKeyCombination key)
{
    QTest::keyClick(&window, key.key(), key.keyboardModifiers());
}

class AidsWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
        form.loadLevelFile(harness.path("mirror.prl"));
    }

    WindowHarness harness{{{"mirror.prl", mirrorLevel()}}};
    MainWindow& form = harness.window();
};

TEST_F(AidsWindow, TheHintShowsAGhostOfTheNextPieceAndChangesNothing)
{
    const Level before = form.level();
    paletteList(form)->setFocus(); // H works beside the palette as well as the board
    QTest::keyClick(paletteList(form), Qt::Key_H);
    QTRY_VERIFY(boardView(form)->hintMark().has_value());
    const HintMark& mark = *boardView(form)->hintMark();
    EXPECT_EQ(mark.look, HintMark::Look::PlaceHere);
    EXPECT_EQ(std::tuple(mark.piece.kind, mark.piece.column, mark.piece.row, mark.piece.direction),
              std::tuple(PieceKind::Mirror, 5, 5, std::uint8_t{3}));
    EXPECT_EQ(form.level(), before);

    doubleClickPaletteRow(form, 0); // any action takes the ghost away
    EXPECT_FALSE(boardView(form)->hintMark().has_value());
}

TEST_F(AidsWindow, AnActionCancelsAHintOnItsWay)
{
    press(form, Qt::Key_H);
    doubleClickPaletteRow(form, 0);
    QTest::qWait(300); // time for an answer that should be dropped
    EXPECT_FALSE(boardView(form)->hintMark().has_value());
}

TEST_F(AidsWindow, TheColourAidIsRememberedAndHelpOpensOnF1)
{
    EXPECT_EQ(boardView(form)->colourAid(), ColourAid::Off);
    press(form, Qt::CTRL | Qt::Key_B);
    EXPECT_EQ(boardView(form)->colourAid(), ColourAid::On);

    MainWindow again(harness.options());
    EXPECT_EQ(boardView(again)->colourAid(), ColourAid::On);

    // A letter typed into the name field stays there; F1 opens the help.
    levelNameEdit(form)->setFocus();
    QTest::keyClick(levelNameEdit(form), Qt::Key_H);
    EXPECT_TRUE(levelNameEdit(form)->text().endsWith('h'));
    EXPECT_FALSE(boardView(form)->hintMark().has_value());
    press(form, Qt::Key_F1);
    const auto* help = form.findChild<HelpDialog*>("helpDialog");
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
}

} // namespace
} // namespace prismora::windowtest
