// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The designer's workbench: it counts a design's solutions after each edit, shows them, and hides.
#include "window_test_support.h"

#include "app/language.h"
#include "app/workbench.h"
#include "view/board_view.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace prismora::windowtest {
namespace {

Workbench* workbench(MainWindow& form) { return form.findChild<Workbench*>("workbench"); }

void switchLanguage(Language language)
{
    applyLanguage(language);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
}

// The workbench's answer for the design on the board, once its worker is done.
QString waitForSolutions(MainWindow& form)
{
    Workbench* bench = workbench(form);
    for (int i = 0; i < 600 && (bench->isAnalysing() || !bench->analysis()); ++i) {
        QTest::qWait(50);
    }
    return bench->findChild<QLabel*>("workbenchSolutions")->text();
}

// A red lamp at (5, 5); a red cannon at (1, 2) firing east and one at (9, 9)
// firing north. The mirror in hand turns either beam into the lamp, at (5, 2)
// or at (9, 5): two solutions.
void buildTwoWayDesign(MainWindow& form)
{
    click(form, "newDesignButton");
    doubleClickPaletteRow(form, 10); // red cannon
    dragOnBoard(form, cellPoint(1, 1), cellPoint(1, 2));
    doubleClickPaletteRow(form, 10);
    dragOnBoard(form, cellPoint(1, 1), cellPoint(9, 9));
    rightClickOnBoard(form, cellPoint(9, 9));
    rightClickOnBoard(form, cellPoint(9, 9));
    doubleClickPaletteRow(form, 7); // red lamp
    dragOnBoard(form, cellPoint(1, 1), cellPoint(5, 5));
    doubleClickPaletteRow(form, 0); // mirror
    dragOnBoard(form, cellPoint(1, 1), cellPoint(5, 2));
}

TEST(WorkbenchWindow, CountsShowsAndHidesTheSolutionsOfEachEdit)
{
    WindowHarness harness;
    MainWindow& form = harness.window();
    QPushButton* open = button(form, "workbenchButton");
    EXPECT_FALSE(open->isVisible()) << "only in the editor";
    buildTwoWayDesign(form);
    ASSERT_TRUE(open->isVisible());
    EXPECT_FALSE(open->accessibleName().isEmpty());
    click(form, "workbenchButton");
    Workbench* bench = workbench(form);
    ASSERT_TRUE(bench->isVisible());
    EXPECT_EQ(waitForSolutions(form), QString("2 lösningar"));
    EXPECT_EQ(bench->pos().x(), form.frameGeometry().right() + 1) << "at the window's right edge";

    // "Visa": each solution in turn as ghosts, the cells where they differ framed.
    auto* show = bench->findChild<QPushButton*>("workbenchShowButton");
    ASSERT_TRUE(show->isVisible());
    show->click();
    const GhostLayer first = boardView(form)->ghostLayer();
    show->click();
    const GhostLayer second = boardView(form)->ghostLayer();
    ASSERT_EQ(first.pieces.size(), 1u);
    ASSERT_EQ(second.pieces.size(), 1u);
    EXPECT_NE(first.pieces[0], second.pieces[0]);
    EXPECT_EQ(first.differingCells.size(), 2u);
    show->click();
    EXPECT_TRUE(boardView(form)->ghostLayer().isEmpty());

    // The lamp to column 1: only the cannon in the corner reaches it.
    dragOnBoard(form, cellPoint(5, 5), cellPoint(1, 5));
    EXPECT_EQ(waitForSolutions(form), QString("1 lösning"));
    EXPECT_FALSE(show->isVisible());

    auto* hide = bench->findChild<QCheckBox*>("workbenchHideSwitch");
    hide->setChecked(true);
    EXPECT_FALSE(bench->findChild<QWidget*>("workbenchResults")->isVisible());
    hide->setChecked(false);
    EXPECT_TRUE(bench->findChild<QWidget*>("workbenchResults")->isVisible());

    // In English the measures are said in English too, at once.
    const auto measure = [bench] {
        return bench->findChild<QListWidget*>("workbenchMeasures")->item(0)->text();
    };
    switchLanguage(Language::English);
    const QString english = measure();
    const QString switchText = hide->text();
    switchLanguage(Language::Swedish);
    EXPECT_EQ(english, QString("✔ Exactly one solution\nThe level has exactly one solution"));
    EXPECT_EQ(switchText, QString("Hide analysis"));
    EXPECT_EQ(measure(), QString("✔ Exakt en lösning\nNivån har exakt en lösning"));
}

} // namespace
} // namespace prismora::windowtest
