// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The commands of the window: visibility of every command, refusals, saving, quitting, the name
// field.
#include "test_levels.h"
#include "window_test_support.h"

#include "app/program_copy.h"
#include "app/run_game.h"
#include "view/board_view.h"
#include "view/palette_list.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>

namespace prismora::windowtest {
namespace {

// Which commands are shown: "Ladda spel...", the two design commands, "Ångra
// nytt spel" and the two snapshot commands, plus mode and palette size.
struct Shown {
    bool load;
    bool design;
    bool undo;
    bool snapshot;
    bool playMode;
    int rows;
    bool operator==(const Shown&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Shown& s)
{
    return out << "load " << s.load << " design " << s.design << " undo " << s.undo << " snapshot "
               << s.snapshot << " play " << s.playMode << " rows " << s.rows;
}

Shown observe(WindowHarness& harness)
{
    MainWindow& form = harness.window();
    EXPECT_EQ(button(form, "saveDesignButton")->isVisible(),
              button(form, "testDesignButton")->isVisible());
    EXPECT_EQ(button(form, "screenshotButton")->isVisible(),
              button(form, "savePositionButton")->isVisible());
    EXPECT_TRUE(button(form, "newDesignButton")->isVisible());
    EXPECT_TRUE(button(form, "quitButton")->isVisible());
    EXPECT_EQ(paletteList(form)->count(), static_cast<int>(harness.level().palette.size()));
    return {button(form, "openButton")->isVisible(),
            button(form, "saveDesignButton")->isVisible(),
            button(form, "discardDesignButton")->isVisible(),
            button(form, "screenshotButton")->isVisible(),
            harness.level().mode == Mode::Play,
            static_cast<int>(harness.level().palette.size())};
}

TEST(CommandsWindow, StartUpLayoutAndCaption)
{
    WindowHarness harness;
    MainWindow& form = harness.window();
    EXPECT_EQ(form.size(), QSize(660, 555));
    EXPECT_EQ(form.windowTitle(), QString("Prismora version"));
    EXPECT_EQ(QApplication::applicationName(), QString("Prismora"));
    EXPECT_EQ(levelNameEdit(form)->text(), QString("(no name)"));
    EXPECT_EQ(button(form, "nextLevelButton")->toolTip(), QString("Level 0 of -1"));
    EXPECT_EQ(observe(harness), (Shown{true, false, false, false, true, 0}));
    // Every command fits the column and every part fits the window.
    for (QWidget* child : form.findChildren<QWidget*>()) {
        if (child->window() != &form) {
            continue;
        }
        const QRect inForm(child->mapTo(&form, QPoint(0, 0)), child->size());
        EXPECT_TRUE(form.rect().contains(inForm)) << child->objectName().toStdString();
    }
    EXPECT_EQ(boardView(form)->size(), QSize(451, 451));
    EXPECT_EQ(button(form, "quitButton")->geometry(), QRect(16, 478, 153, 25));
    EXPECT_EQ(paletteList(form)->geometry(), QRect(16, 68, 153, 278));
}

TEST(CommandsWindow, VisibilityAfterEveryCommand)
{
    WindowHarness harness({{"a.prl", mirrorLevel()}});
    MainWindow& form = harness.window();
    form.loadLevelFile(harness.path("a.prl"));
    EXPECT_EQ(observe(harness), (Shown{true, false, false, true, true, 7}));
    triggerEditLoaded(form);
    EXPECT_EQ(observe(harness), (Shown{false, true, true, true, false, 17}));
    EXPECT_EQ(harness.count(0), 1); // the loaded level's mirror stays in hand
    triggerEditLoaded(form);
    EXPECT_EQ(observe(harness), (Shown{false, true, true, true, false, 17}));
    triggerPlayLoaded(form);
    EXPECT_EQ(observe(harness), (Shown{false, false, true, true, true, 7}));
    triggerPlayLoaded(form);
    EXPECT_EQ(observe(harness), (Shown{false, false, true, true, true, 7}));
    // Every load offers the play commands, whatever the editor left.
    form.loadLevelFile(harness.path("a.prl"));
    EXPECT_EQ(observe(harness), (Shown{true, false, false, true, true, 7}));
    click(form, "newDesignButton");
    EXPECT_EQ(observe(harness), (Shown{false, true, true, true, false, 17}));
    EXPECT_EQ(levelNameEdit(form)->text(), QString());
    EXPECT_EQ(harness.pieceCount(), 0);
    doubleClickPaletteRow(form, 7);
    click(form, "discardDesignButton");
    EXPECT_EQ(observe(harness), (Shown{true, false, false, false, false, 0}));
    EXPECT_EQ(harness.pieceCount(), 1); // the board keeps what was built
    // Editing with no palette at all starts the rows from "Spegel".
    triggerEditLoaded(form);
    EXPECT_EQ(observe(harness), (Shown{false, true, true, true, false, 17}));
    EXPECT_EQ(paletteList(form)->item(0)->text(), QString("Spegel"));
}

// The editor's answer to mirrorLevel: cannon, lamp and mirror placed by hand.
void buildMirrorDesign(MainWindow& form)
{
    click(form, "newDesignButton");
    QTest::keyClicks(levelNameEdit(form), "Egen");
    doubleClickPaletteRow(form, 10); // red cannon
    dragOnBoard(form, cellPoint(1, 1), cellPoint(1, 5));
    doubleClickPaletteRow(form, 7); // red lamp
    dragOnBoard(form, cellPoint(1, 1), cellPoint(5, 1));
    doubleClickPaletteRow(form, 0); // mirror
    dragOnBoard(form, cellPoint(1, 1), cellPoint(5, 5));
    for (int turn = 0; turn < 3; ++turn) {
        rightClickOnBoard(form, cellPoint(5, 5));
    }
}

TEST(CommandsWindow, UnfinishedOrLamplessDesignIsRefused)
{
    WindowHarness harness;
    MainWindow& form = harness.window();
    harness.dialogs.answers = {QMessageBox::Yes};
    for (const int lampRow : {-1, 7}) { // an empty board, then a red lamp no beam reaches
        click(form, "newDesignButton");
        if (lampRow >= 0) {
            doubleClickPaletteRow(form, lampRow);
        }
        for (const char* command : {"saveDesignButton", "testDesignButton"}) {
            harness.dialogs.boxes.clear();
            click(form, command);
            ASSERT_EQ(harness.dialogs.boxes.size(), 1u);
            const MessageBoxRequest& box = harness.dialogs.boxes[0];
            EXPECT_EQ(box.text, QString("Du måste först bygga en bana som fungerar!"));
            EXPECT_EQ(box.caption, QString("Information"));
            EXPECT_EQ(box.icon, QMessageBox::Warning);
            EXPECT_EQ(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        }
    }
    EXPECT_TRUE(harness.dialogs.fileDialogs.empty());
    EXPECT_TRUE(harness.startedCopies.isEmpty());
    EXPECT_FALSE(QFile::exists(harness.path("speltest.prl")));
}

TEST(CommandsWindow, SavingNewLevelNamelessAskedNoCancelledOrUnwritable)
{
    WindowHarness harness;
    MainWindow& form = harness.window();
    buildMirrorDesign(form);
    const Shown editor{false, true, true, true, false, 17};

    // The name comes first, before any question or dialog, empty or the default.
    for (const QString& name : {QString(), QString("(no name)")}) {
        levelNameEdit(form)->setText(name);
        harness.dialogs.boxes.clear();
        harness.dialogs.answers = {QMessageBox::Yes};
        harness.dialogs.files = {harness.path("x.prl")};
        click(form, "saveDesignButton");
        ASSERT_EQ(harness.dialogs.boxes.size(), 1u);
        EXPECT_EQ(harness.dialogs.boxes[0].text, QString("Du måste namnge leveln!"));
        EXPECT_TRUE(harness.dialogs.fileDialogs.empty());
        EXPECT_FALSE(QFile::exists(harness.path("x.prl")));
        EXPECT_EQ(observe(harness), editor);
    }

    levelNameEdit(form)->setText("Bana?"); // pasted: kept in the name
    harness.dialogs.boxes.clear();
    harness.dialogs.answers.clear();
    harness.dialogs.files.clear();
    click(form, "saveDesignButton"); // answered No
    ASSERT_EQ(harness.dialogs.boxes.size(), 1u);
    EXPECT_EQ(harness.dialogs.boxes[0].caption, QString("Fråga"));
    EXPECT_EQ(harness.dialogs.boxes[0].icon, QMessageBox::Question);
    EXPECT_EQ(harness.dialogs.boxes[0].buttons, QMessageBox::Yes | QMessageBox::No);
    EXPECT_TRUE(harness.dialogs.boxes[0].text.startsWith(
        "När du sparar leveln så kan du inte redigera den längre!"));
    EXPECT_TRUE(harness.dialogs.boxes[0].text.endsWith("Vill du spara nu?"));
    EXPECT_TRUE(harness.dialogs.fileDialogs.empty());

    harness.dialogs.answers = {QMessageBox::Yes}; // then the dialog is cancelled
    click(form, "saveDesignButton");
    ASSERT_EQ(harness.dialogs.fileDialogs.size(), 1u);
    const FileDialogRequest& request = harness.dialogs.fileDialogs[0];
    EXPECT_EQ(request.mode, FileDialogMode::Save);
    EXPECT_EQ(request.filter, QString("Prismora level (*.prl)"));
    EXPECT_EQ(request.defaultSuffix, QString("prl"));
    EXPECT_EQ(request.directory, form.playerFolder());
    EXPECT_EQ(request.fileName, QString("Bana.prl")) << "the name offered, cleaned";
    EXPECT_EQ(observe(harness), editor);
    EXPECT_TRUE(boardView(form)->isVisible());

    harness.dialogs.boxes.clear();
    const QString unwritable = harness.path("missing/x.prl");
    harness.dialogs.answers = {QMessageBox::Yes};
    harness.dialogs.files = {unwritable};
    click(form, "saveDesignButton");
    ASSERT_EQ(harness.dialogs.boxes.size(), 2u);
    EXPECT_EQ(harness.dialogs.boxes[1].caption, QString("Prismora"));
    EXPECT_EQ(harness.dialogs.boxes[1].icon, QMessageBox::Critical);
    EXPECT_EQ(harness.dialogs.boxes[1].text,
              "Filen " + unwritable + " kunde inte sparas: No such file or directory.");
    EXPECT_EQ(observe(harness), editor);
    EXPECT_TRUE(boardView(form)->isVisible());
}

TEST(CommandsWindow, DesignTestedSavedThenLoadedAndPlayed)
{
    WindowHarness harness;
    MainWindow& form = harness.window();
    buildMirrorDesign(form);
    EXPECT_EQ(statusLabel(form)->text(), QString("Grattis! Du klarade det :)"));
    EXPECT_EQ(harness.count(10), 1);

    click(form, "testDesignButton");
    EXPECT_EQ(harness.startedCopies, QStringList{harness.path("speltest.prl")});
    EXPECT_TRUE(QFile::exists(harness.path("speltest.prl")));

    // An existing file is replaced only when the player says so.
    harness.writeFile("Egen.prl", "old");
    harness.dialogs.answers = {QMessageBox::Yes, QMessageBox::No};
    harness.dialogs.files = {harness.path("Egen.prl")};
    click(form, "saveDesignButton");
    EXPECT_EQ(harness.dialogs.boxes.back().caption, QString("Fråga"));
    EXPECT_TRUE(harness.dialogs.boxes.back().text.contains(harness.path("Egen.prl")));
    EXPECT_EQ(observe(harness), (Shown{false, true, true, true, false, 17}));
    harness.dialogs.answers = {QMessageBox::Yes, QMessageBox::Yes};
    harness.dialogs.files = {harness.path("Egen.prl")};
    click(form, "saveDesignButton");
    EXPECT_EQ(observe(harness), (Shown{true, false, false, true, false, 0}));

    harness.dialogs.files = {harness.path("Egen.prl")};
    click(form, "openButton");
    EXPECT_EQ(levelNameEdit(form)->text(), QString("Egen"));
    EXPECT_EQ(harness.count(0), 1);
    EXPECT_EQ(harness.pieceCount(), 1);
    doubleClickPaletteRow(form, 0);
    dragOnBoard(form, cellPoint(1, 1), cellPoint(5, 5));
    for (int turn = 0; turn < 3; ++turn) {
        rightClickOnBoard(form, cellPoint(5, 5));
    }
    EXPECT_EQ(statusLabel(form)->text(), QString("Grattis! Du klarade det :)"));
}

TEST(CommandsWindow, StartedCopiesLeaveNoZombieBehind)
{
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(startIndependentProcess(QStringLiteral("/bin/true"), {}));
    }
    QTest::qWait(300);
    int status = 0;
    EXPECT_LE(::waitpid(-1, &status, WNOHANG), 0) << "a finished child was left unreaped";
}

TEST(CommandsWindow, EditorCannonDroppedOffLowersItsRow)
{
    WindowHarness harness;
    MainWindow& form = harness.window();
    click(form, "newDesignButton");
    doubleClickPaletteRow(form, 11);
    EXPECT_EQ(harness.count(11), 1);
    dragOnBoard(form, cellPoint(1, 1), QPoint(100, 470));
    EXPECT_TRUE(harness.level().sources[0].removed);
    EXPECT_EQ(harness.count(11), 0);
}

TEST(CommandsWindow, QuitSavesOnlyAnUnfinishedPosition)
{
    {
        WindowHarness harness({{"a.prl", mirrorLevel()}});
        harness.window().loadLevelFile(harness.path("a.prl"));
        click(harness.window(), "quitButton");
        EXPECT_FALSE(harness.window().isVisible());
        QFile saved(harness.path("currentlevel.prl"));
        ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
        const QByteArray text = saved.readAll();
        EXPECT_TRUE(text.contains("Playing=True"));
        EXPECT_TRUE(text.contains("Empty=False"));
    }
    {
        WindowHarness harness({{"done.prl", solvedLevel()}});
        harness.window().loadLevelFile(harness.path("done.prl"));
        EXPECT_TRUE(harness.window().evaluation().isFinished());
        click(harness.window(), "quitButton");
        EXPECT_FALSE(harness.window().isVisible());
        EXPECT_FALSE(QFile::exists(harness.path("currentlevel.prl")));
    }
    {
        // The position cannot be written: the game asks before it ends
        // without it, and stays when told no.
        WindowHarness harness({{"a.prl", mirrorLevel()}});
        QDir(harness.path("")).mkdir("currentlevel.prl");
        harness.window().loadLevelFile(harness.path("a.prl"));
        click(harness.window(), "quitButton");
        EXPECT_TRUE(harness.window().isVisible());
        ASSERT_EQ(harness.dialogs.boxes.size(), 1u);
        EXPECT_EQ(harness.dialogs.boxes[0].icon, QMessageBox::Question);
        EXPECT_TRUE(harness.dialogs.boxes[0].text.contains("currentlevel.prl"));
        harness.dialogs.answers = {QMessageBox::Yes};
        harness.window().close();
        EXPECT_FALSE(harness.window().isVisible());
    }
    {
        // The copy "Testa spel..." started leaves the player's position alone.
        WindowHarness harness({{"speltest.prl", mirrorLevel()}, {"currentlevel.prl", "mine"}});
        MainWindow copy(harness.options({harness.path("speltest.prl")}));
        EXPECT_EQ(levelNameEdit(copy)->text(), QString("Första"));
        click(copy, "quitButton");
        EXPECT_FALSE(copy.isVisible());
        QFile kept(harness.path("currentlevel.prl"));
        ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
        EXPECT_EQ(kept.readAll(), QByteArray("mine"));
    }
}

TEST(CommandsWindow, LeavingAChangedDesignAsksFirst)
{
    WindowHarness harness({{"Level01.prl", mirrorLevel()}, {"Level02.prl", solvedLevel()}});
    MainWindow& form = harness.window();
    click(form, "newDesignButton");
    click(form, "nextLevelButton"); // nothing built yet: nothing to ask
    EXPECT_TRUE(harness.dialogs.boxes.empty());
    EXPECT_EQ(levelNameEdit(form)->text(), QString("Klar"));

    click(form, "newDesignButton");
    doubleClickPaletteRow(form, 7);
    // Asked in a "Fråga" box; "No" leaves the design as it is.
    click(form, "nextLevelButton");
    ASSERT_EQ(harness.dialogs.boxes.size(), 1u);
    EXPECT_EQ(harness.dialogs.boxes[0].caption, QString("Fråga"));
    EXPECT_EQ(harness.pieceCount(), 1);
    EXPECT_EQ(observe(harness), (Shown{false, true, true, true, false, 17}));
    harness.dialogs.answers = {QMessageBox::Yes};
    click(form, "newDesignButton");
    EXPECT_EQ(harness.pieceCount(), 0);
}

TEST(CommandsWindow, AnInstalledGameWritesIntoThePlayersOwnFolder)
{
    WindowHarness harness({{"Level01.prl", mirrorLevel()}, {"Level02.prl", solvedLevel()}});
    MainWindow::Options options = harness.options();
    options.playerFolder = harness.path("home/.local/share/Prismora");
    MainWindow window(std::move(options));
    click(window, "nextLevelButton");
    EXPECT_EQ(levelNameEdit(window)->text(), QString("Klar")) << "the series is read as before";
    click(window, "previousLevelButton");
    click(window, "quitButton");
    EXPECT_TRUE(QFile::exists(harness.path("home/.local/share/Prismora/currentlevel.prl")));
    EXPECT_FALSE(QFile::exists(harness.path("currentlevel.prl")));
}

TEST(CommandsWindow, NameFieldRefusesTypedFileNameCharactersButNotPaste)
{
    WindowHarness harness;
    QLineEdit* field = levelNameEdit(harness.window());
    field->clear();
    QTest::keyClicks(field, "a?b|c:d\"*/<>\\e");
    EXPECT_EQ(field->text(), QString("abc:de"));
    EXPECT_EQ(harness.level().name, "abc:de");
    QApplication::clipboard()->setText("x/y");
    QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(field->text(), QString("abc:dex/y"));
}

TEST(CommandsWindow, RefusedFileIsReportedAndChangesNothing)
{
    WindowHarness harness({{"a.prl", mirrorLevel()}});
    MainWindow& form = harness.window();
    form.loadLevelFile(harness.path("a.prl"));
    const QString caption = form.windowTitle();
    harness.writeFile("huge.prl", QString(2 * 1024 * 1024, QChar('x')));
    harness.dialogs.files = {harness.path("huge.prl")};
    click(form, "openButton");
    ASSERT_EQ(harness.dialogs.boxes.size(), 1u);
    EXPECT_EQ(harness.dialogs.boxes[0].caption, QString("Information"));
    EXPECT_FALSE(harness.dialogs.boxes[0].text.isEmpty());
    EXPECT_EQ(form.windowTitle(), caption);
    EXPECT_EQ(harness.count(0), 1);
    // A name that is no file is ignored without a word.
    harness.dialogs.files = {harness.path("nothing.prl")};
    click(form, "openButton");
    EXPECT_EQ(harness.dialogs.boxes.size(), 1u);
}

TEST(CommandsWindow, FullTablesRefuseNewPiecesAndCannons)
{
    WindowHarness harness;
    MainWindow& form = harness.window();
    click(form, "newDesignButton");
    for (int row : {0, 10}) {
        for (int i = 0; i < 120; ++i) {
            doubleClickPaletteRow(form, row);
        }
    }
    EXPECT_EQ(harness.pieceCount(), Level::MaxPieces);
    EXPECT_EQ(harness.count(0), Level::MaxPieces);
    // Cannons stop below their own limit; the row counts only what was added.
    EXPECT_EQ(harness.level().sources.size(), static_cast<std::size_t>(Level::CannonIndexLimit));
    EXPECT_EQ(harness.count(10), Level::CannonIndexLimit);
    EXPECT_EQ(statusLabel(form)->text(), QString("Brädet är fullt"));
}

TEST(CommandsWindow, SwedishButtonsOnRealMessageBoxes)
{
    QtUserDialogs dialogs;
    QStringList texts;
    QTimer::singleShot(0, [&texts] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        for (QAbstractButton* button : box->buttons()) {
            texts.append(button->text());
        }
        box->button(QMessageBox::No)->click();
    });
    EXPECT_EQ(dialogs.showMessage(nullptr, questionBox("?")), QMessageBox::No);
    texts.sort();
    EXPECT_EQ(texts, (QStringList{"Ja", "Nej"}));
}

TEST(CommandsWindow, SeriesArrowsAndStartUpArgument)
{
    const std::vector<std::pair<QString, QString>> files = {{"Level01.prl", mirrorLevel()},
                                                            {"Level02.prl", bombLevel()},
                                                            {"level03.prl", solvedLevel()}};
    {
        WindowHarness harness(files);
        MainWindow& form = harness.window();
        EXPECT_EQ(button(form, "previousLevelButton")->toolTip(), QString("Level 0 of 2"));
        click(form, "nextLevelButton");
        EXPECT_EQ(levelNameEdit(form)->text(), QString("Bomb"));
        EXPECT_EQ(button(form, "nextLevelButton")->toolTip(), QString("Level 1 of 2; Level02.prl"));
        EXPECT_EQ(button(form, "previousLevelButton")->toolTip(),
                  button(form, "nextLevelButton")->toolTip());
        click(form, "nextLevelButton");
        click(form, "nextLevelButton");
        EXPECT_EQ(button(form, "nextLevelButton")->toolTip(), QString("Level 2 of 2; level03.prl"));
        click(form, "previousLevelButton");
        click(form, "previousLevelButton");
        click(form, "previousLevelButton");
        EXPECT_EQ(button(form, "previousLevelButton")->toolTip(),
                  QString("Level 0 of 2; Level01.prl"));
        EXPECT_EQ(levelNameEdit(form)->text(), QString("Första"));
    }
    {
        WindowHarness harness({{"Level01.prl", mirrorLevel()}, {"own.prl", solvedLevel()}}, {});
        // The harness folder is only known once it exists: start a second window on it.
        MainWindow second(harness.options({harness.path("own.prl")}));
        EXPECT_EQ(levelNameEdit(second)->text(), QString("Klar"));
        EXPECT_EQ(button(second, "nextLevelButton")->toolTip(), QString("Level 0 of 0"));
        EXPECT_TRUE(second.windowTitle().endsWith("Level laddad: own.prl"));
        // A name starting with "--" after "--"; Qt's own options are no level names.
        harness.writeFile("--odd.prl", solvedLevel());
        MainWindow odd(harness.options({"--", harness.path("--odd.prl")}));
        EXPECT_TRUE(odd.windowTitle().endsWith("Level laddad: --odd.prl"));
        EXPECT_EQ(gameArguments({"--", "-reverse"}, {"--"}), (QStringList{"--", "-reverse"}));
        EXPECT_EQ(gameArguments({"-reverse", "a.prl"}, {"a.prl"}), QStringList{"a.prl"});
    }
    {
        // A folder or a FIFO is no level: said in the "Information" box.
        WindowHarness harness;
        QDir(harness.path("")).mkdir("folder.prl");
        ASSERT_EQ(::mkfifo(harness.path("fifo.prl").toLocal8Bit().constData(), 0600), 0);
        for (const char* name : {"folder.prl", "fifo.prl"}) {
            harness.dialogs.boxes.clear();
            MainWindow window(harness.options({harness.path(name)}));
            ASSERT_EQ(harness.dialogs.boxes.size(), 1u) << name;
            EXPECT_EQ(harness.dialogs.boxes[0].caption, QString("Information"));
            EXPECT_TRUE(harness.dialogs.boxes[0].text.contains("ingen vanlig fil")) << name;
        }
    }
}

} // namespace
} // namespace prismora::windowtest
