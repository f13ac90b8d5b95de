// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Generated levels and codes in the window: the chooser's tab, generation, copy, paste and drop.
#include "test_levels.h"
#include "window_test_support.h"

#include "app/clipboard_files.h"
#include "app/level_chooser.h"
#include "app/progress_store.h"
#include "core/level_code.h"
#include "core/level_file.h"
#include "view/board_view.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QUrl>

#include <gtest/gtest.h>

#include <thread>

namespace prismora::windowtest {
namespace {

using Outcome = Result<GeneratedLevel, GenerateFailure>;

// Whatever the code, a level whose one lamp the cannon lights straight away.
Outcome litLevel(const SeedCode& code, const std::atomic<bool>*)
{
    Level level = parseLevel(levelText({"[LevelParametrar]", "Namn=Lampa", "Empty=True", "[Sak0]",
                                        "Typ=5", "Top=5", "Left=5", "[Cannon0]", "Top=5", "Left=1",
                                        "Direction=0", "Color=255"})
                                 .toStdString())
                      .level;
    return GeneratedLevel{std::move(level), formatSeedCode(code), 0, {}};
}

// Works until it is cancelled (with a cap, so a fault cannot hang the suite).
Outcome untilCancelled(const SeedCode&, const std::atomic<bool>* cancel)
{
    for (int i = 0; i < 5000 && !cancel->load(); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return GenerateFailure::Cancelled;
}

std::unique_ptr<MainWindow> windowWith(WindowHarness& harness, MainWindow::Options::Generator make)
{
    MainWindow::Options options = harness.options();
    options.generator = std::move(make);
    auto window = std::make_unique<MainWindow>(std::move(options));
    window->show();
    window->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
    return window;
}

void press(QKeyCombination key)
{
    QTest::keyClick(QApplication::focusWidget(), key.key(), key.keyboardModifiers());
}

LevelChooser* openChooser(MainWindow& window)
{
    QTest::keyClick(&window, Qt::Key_L, Qt::ControlModifier);
    auto* chooser = window.findChild<LevelChooser*>("levelChooser");
    if (chooser != nullptr) {
        chooser->findChild<QTabWidget*>("levelGroups")
            ->setCurrentWidget(chooser->findChild<QWidget*>("generatedTab"));
    }
    return chooser;
}

TEST(GeneratedWindow, ASolvedGeneratedLevelIsListedSolvedAfterARestart)
{
    WindowHarness harness;
    auto window = windowWith(harness, litLevel);
    LevelChooser* chooser = openChooser(*window);
    ASSERT_NE(chooser, nullptr);
    chooser->findChild<QPushButton*>("tierButton2")->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window->isGenerating(); }));
    const GameSession& session = window->session();
    ASSERT_EQ(session.origin().kind, LevelOrigin::Kind::Generated);
    const std::string code = session.origin().code;
    EXPECT_EQ(parseSeedCode(code).value().tier, Tier::Hard);
    EXPECT_TRUE(window->windowTitle().endsWith(QString::fromStdString(code)));
    EXPECT_EQ(window->findChild<QLabel*>("feedbackLabel")->toolTip(),
              QString("Level laddad: Lampa (%1)").arg(QString::fromStdString(code)));

    window.reset();
    const std::vector<GeneratedRecord> kept =
        ProgressStore(harness.options().settingsFile).generatedLevels();
    ASSERT_EQ(kept.size(), 1U);
    EXPECT_EQ(kept[0].seedCode, code);
    EXPECT_TRUE(kept[0].isSolved);
    window = windowWith(harness, litLevel);
    chooser = openChooser(*window);
    auto* list = chooser->findChild<QListWidget*>("generatedList");
    ASSERT_EQ(list->count(), 1);
    EXPECT_TRUE(list->item(0)->data(LevelChooser::SolvedRole).toBool());
    EXPECT_TRUE(list->item(0)->text().contains(QString::fromStdString(code)));
    chooser->reject();
}

TEST(GeneratedWindow, AnyActionCancelsGenerationAndItsResultIsDropped)
{
    WindowHarness harness({{"a.prl", mirrorLevel()}});
    auto window = windowWith(harness, untilCancelled);
    window->loadLevelFile(harness.path("a.prl"));
    const Level before = window->level();
    window->openCode(QString::fromStdString(formatSeedCode({Tier::Easy, GeneratorVersion, 9})));
    EXPECT_TRUE(window->isGenerating());
    EXPECT_EQ(statusLabel(*window)->text(), QString("Skapar bana..."));
    press(Qt::Key_Right);
    EXPECT_FALSE(window->isGenerating());
    ASSERT_TRUE(QTest::qWaitFor([&] { return statusLabel(*window)->text() != "Skapar bana..."; }));
    EXPECT_EQ(window->level().pieces, before.pieces);
}

TEST(GeneratedWindow, ACopiedLevelPastesIntoAnotherGameAsTheSameLevel)
{
    WindowHarness first({{"a.prl", mirrorLevel()}});
    auto window = windowWith(first, litLevel);
    window->loadLevelFile(first.path("a.prl"));
    const Level copied = window->level();
    press(QKeyCombination(Qt::ControlModifier, Qt::Key_C));
    const QMimeData* offered = QApplication::clipboard()->mimeData();
    ASSERT_NE(offered, nullptr);
    EXPECT_TRUE(decodeLevelCode(offered->text().toStdString()).ok());
    ASSERT_EQ(offered->urls().size(), 1);
    const QString file = offered->urls()[0].toLocalFile();
    EXPECT_TRUE(file.startsWith(first.options().copyFolder + "/")) << file.toStdString();
    EXPECT_TRUE(
        offered->data("x-special/gnome-copied-files").endsWith(offered->urls()[0].toEncoded()));
    EXPECT_TRUE(loadLevel(file.toStdString()).value().holdsLevel);

    WindowHarness second;
    auto other = windowWith(second, litLevel);
    press(QKeyCombination(Qt::ControlModifier, Qt::Key_V));
    EXPECT_EQ(other->session().origin().kind, LevelOrigin::Kind::Code);
    EXPECT_EQ(other->level(), copied);
    // The file alone opens it too, as does dropping it.
    QApplication::clipboard()->setMimeData(fileDropMimeData({file}).release());
    press(QKeyCombination(Qt::ControlModifier, Qt::Key_V));
    EXPECT_EQ(other->session().loadedFile(), std::filesystem::path(file.toStdString()));
    EXPECT_EQ(other->level().pieces, copied.pieces);

    // In the name field Ctrl+C and Ctrl+V are the field's own.
    QLineEdit* name = levelNameEdit(*other);
    name->setFocus();
    name->selectAll();
    press(QKeyCombination(Qt::ControlModifier, Qt::Key_C));
    EXPECT_EQ(QApplication::clipboard()->text(), name->text());
    EXPECT_FALSE(QApplication::clipboard()->mimeData()->hasUrls());
}

TEST(GeneratedWindow, ABadCodeOrFileInformsAndChangesNothing)
{
    WindowHarness harness({{"a.prl", mirrorLevel()}, {"note.prl", "just words"}});
    auto window = windowWith(harness, litLevel);
    window->loadLevelFile(harness.path("a.prl"));
    const Level before = window->level();
    std::string mistyped = formatSeedCode({Tier::Hard, GeneratorVersion, 12345});
    mistyped[4] = mistyped[4] == '7' ? '8' : '7';
    const std::string newer = formatSeedCode({Tier::Hard, GeneratorVersion + 1, 1});
    const QString texts[] = {QString::fromStdString(mistyped), QString::fromStdString(newer),
                             "not a code at all", QString(5000, 'B')};
    for (const QString& text : texts) {
        window->openCode(text);
    }
    QApplication::clipboard()->setMimeData(fileDropMimeData({harness.path("note.prl")}).release());
    boardView(*window)->setFocus();
    press(QKeyCombination(Qt::ControlModifier, Qt::Key_V));
    EXPECT_FALSE(window->isGenerating());
    EXPECT_EQ(window->level(), before);
    ASSERT_EQ(harness.dialogs.boxes.size(), 5U);
    for (const MessageBoxRequest& box : harness.dialogs.boxes) {
        EXPECT_EQ(box.caption, QString("Information"));
    }
    EXPECT_TRUE(harness.dialogs.boxes[0].text.contains("stämmer inte"));
    EXPECT_TRUE(harness.dialogs.boxes[1].text.contains("nyare version"));
}

TEST(GeneratedWindow, TheScreenshotOffersThePictureBesideTheFile)
{
    WindowHarness harness({{"a.prl", mirrorLevel()}});
    MainWindow& form = harness.window();
    form.loadLevelFile(harness.path("a.prl"));
    click(form, "screenshotButton");
    const QMimeData* offered = QApplication::clipboard()->mimeData();
    ASSERT_NE(offered, nullptr);
    EXPECT_TRUE(offered->hasImage());
    EXPECT_EQ(qvariant_cast<QImage>(offered->imageData()).size(), QSize(451, 451));
    EXPECT_EQ(offered->urls(), QList<QUrl>{QUrl::fromLocalFile(harness.path("Första-facit.jpg"))});
}

} // namespace
} // namespace prismora::windowtest
