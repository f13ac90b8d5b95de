// The commands of the window: visibility of every command, refusals, saving, quitting, the name
// field.
#include "test_levels.h"
#include "window_test_support.h"

#include "view/board_widget.h"
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

Shown Observe(WindowHarness& harness)
{
    TForm1& form = harness.form();
    EXPECT_EQ(form.BitBtn3->isVisible(), form.CoolBtn2->isVisible());
    EXPECT_EQ(form.BitBtn6->isVisible(), form.CoolBtn1->isVisible());
    EXPECT_TRUE(form.BitBtn2->isVisible());
    EXPECT_TRUE(form.BitBtn5->isVisible());
    EXPECT_EQ(form.ListBox1->count(), harness.palette().RowCount());
    return {form.BitBtn1->isVisible(), form.BitBtn3->isVisible(), form.BitBtn4->isVisible(),
            form.BitBtn6->isVisible(), harness.board().PlayMode,  harness.palette().RowCount()};
}

void Click(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

TEST(CommandsWindow, StartUpLayoutAndCaption)
{
    WindowHarness harness;
    TForm1& form = harness.form();
    EXPECT_EQ(form.size(), QSize(660, 555));
    EXPECT_EQ(form.windowTitle(), QString("Prismora version"));
    EXPECT_EQ(QApplication::applicationName(), QString("Prismora"));
    EXPECT_EQ(form.Edit1->text(), QString("(no name)"));
    EXPECT_EQ(form.CoolBtn3->toolTip(), QString("Level 0 of -1"));
    EXPECT_EQ(Observe(harness), (Shown{true, false, false, false, true, 0}));
    // Every command fits the column and every part fits the window.
    for (QWidget* child : form.findChildren<QWidget*>()) {
        if (child->isWindow()) {
            continue;
        }
        const QRect inForm(child->mapTo(&form, QPoint(0, 0)), child->size());
        EXPECT_TRUE(form.rect().contains(inForm)) << child->objectName().toStdString();
    }
    EXPECT_EQ(form.PaintBox1->size(), QSize(451, 451));
    EXPECT_EQ(form.BitBtn5->geometry(), QRect(16, 478, 153, 25));
    EXPECT_EQ(form.ListBox1->geometry(), QRect(16, 68, 153, 278));
}

TEST(CommandsWindow, VisibilityAfterEveryCommand)
{
    WindowHarness harness({{"a.prl", MirrorLevel()}});
    TForm1& form = harness.form();
    form.LoadLevelFile(harness.path("a.prl"));
    EXPECT_EQ(Observe(harness), (Shown{true, false, false, true, true, 7}));
    form.EditLoadedGame->trigger();
    EXPECT_EQ(Observe(harness), (Shown{false, true, true, true, false, 17}));
    EXPECT_EQ(harness.palette().Count(0), 1); // the loaded level's mirror stays in hand
    form.EditLoadedGame->trigger();
    EXPECT_EQ(Observe(harness), (Shown{false, true, true, true, false, 17}));
    form.PlayLoadedGame->trigger();
    EXPECT_EQ(Observe(harness), (Shown{false, false, true, true, true, 7}));
    form.PlayLoadedGame->trigger();
    EXPECT_EQ(Observe(harness), (Shown{false, false, true, true, true, 7}));
    // A load while the editor's undo is shown leaves "Ladda spel..." hidden.
    form.LoadLevelFile(harness.path("a.prl"));
    EXPECT_EQ(Observe(harness), (Shown{false, false, true, true, true, 7}));
    Click(form.BitBtn2);
    EXPECT_EQ(Observe(harness), (Shown{false, true, true, true, false, 17}));
    EXPECT_EQ(form.Edit1->text(), QString());
    EXPECT_EQ(harness.board().PieceCount, 0);
    DoubleClickPaletteRow(form, 7);
    Click(form.BitBtn4);
    EXPECT_EQ(Observe(harness), (Shown{true, false, false, false, false, 0}));
    EXPECT_EQ(harness.board().PieceCount, 1); // the board keeps what was built
    // Editing with no palette at all starts the rows from "Spegel".
    form.EditLoadedGame->trigger();
    EXPECT_EQ(Observe(harness), (Shown{false, true, true, true, false, 17}));
    EXPECT_EQ(harness.palette().RowText(0).substr(0, 6), "Spegel");
}

TEST(CommandsWindow, UnfinishedDesignIsRefused)
{
    WindowHarness harness;
    TForm1& form = harness.form();
    Click(form.BitBtn2);
    DoubleClickPaletteRow(form, 7); // a red lamp that no beam reaches
    form.PaintBox1->repaint();
    for (QPushButton* command : {form.BitBtn3, form.CoolBtn2}) {
        harness.dialogs.boxes.clear();
        Click(command);
        ASSERT_EQ(harness.dialogs.boxes.size(), 1u);
        const MessageBoxRequest& box = harness.dialogs.boxes[0];
        EXPECT_EQ(box.text, QString("Du måste först bygga en bana som fungerar!"));
        EXPECT_EQ(box.caption, QString("Information"));
        EXPECT_EQ(box.icon, QMessageBox::Warning);
        EXPECT_EQ(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    }
    EXPECT_TRUE(harness.dialogs.fileDialogs.empty());
    EXPECT_TRUE(harness.startedCopies.isEmpty());
    EXPECT_FALSE(QFile::exists(harness.path("speltest.prl")));
}

TEST(CommandsWindow, SavingNewLevelAskedNoCancelledNamelessOrUnwritable)
{
    WindowHarness harness;
    TForm1& form = harness.form();
    Click(form.BitBtn2); // an empty design has no lamp, so it counts as working
    form.PaintBox1->repaint();
    const Shown editor{false, true, true, true, false, 17};

    Click(form.BitBtn3); // answered No
    ASSERT_EQ(harness.dialogs.boxes.size(), 1u);
    EXPECT_EQ(harness.dialogs.boxes[0].caption, QString("Fråga"));
    EXPECT_EQ(harness.dialogs.boxes[0].icon, QMessageBox::Question);
    EXPECT_EQ(harness.dialogs.boxes[0].buttons, QMessageBox::Yes | QMessageBox::No);
    EXPECT_TRUE(harness.dialogs.boxes[0].text.startsWith(
        "När du sparar leveln så kan du inte redigera den längre!"));
    EXPECT_TRUE(harness.dialogs.boxes[0].text.endsWith("Vill du spara nu?"));
    EXPECT_TRUE(harness.dialogs.fileDialogs.empty());

    harness.dialogs.answers = {QMessageBox::Yes}; // then the dialog is cancelled
    Click(form.BitBtn3);
    ASSERT_EQ(harness.dialogs.fileDialogs.size(), 1u);
    const FileDialogRequest& request = harness.dialogs.fileDialogs[0];
    EXPECT_EQ(request.mode, FileDialogMode::Save);
    EXPECT_EQ(request.filter, QString("Prismora level (*.prl)"));
    EXPECT_EQ(request.defaultSuffix, QString("prl"));
    EXPECT_EQ(request.directory, form.programDir());
    EXPECT_EQ(Observe(harness), editor);
    EXPECT_TRUE(harness.board().PaintEnabled);

    harness.dialogs.boxes.clear();
    harness.dialogs.answers = {QMessageBox::Yes};
    harness.dialogs.files = {harness.path("x.prl")};
    Click(form.BitBtn3); // the name field is empty
    ASSERT_EQ(harness.dialogs.boxes.size(), 2u);
    EXPECT_EQ(harness.dialogs.boxes[1].text, QString("Du måste namnge leveln!"));
    EXPECT_FALSE(QFile::exists(harness.path("x.prl")));
    EXPECT_EQ(Observe(harness), editor);

    harness.dialogs.boxes.clear();
    QTest::keyClicks(form.Edit1, "Bana");
    const QString unwritable = harness.path("missing/x.prl");
    harness.dialogs.answers = {QMessageBox::Yes};
    harness.dialogs.files = {unwritable};
    Click(form.BitBtn3);
    ASSERT_EQ(harness.dialogs.boxes.size(), 2u);
    EXPECT_EQ(harness.dialogs.boxes[1].caption, QString("Prismora"));
    EXPECT_EQ(harness.dialogs.boxes[1].icon, QMessageBox::Critical);
    EXPECT_TRUE(harness.dialogs.boxes[1].text.contains("Unable to write to"));
    EXPECT_EQ(Observe(harness), editor);
    EXPECT_TRUE(harness.board().PaintEnabled);
}

// The editor's answer to MirrorLevel: cannon, lamp and mirror placed by hand.
void BuildMirrorDesign(TForm1& form)
{
    Click(form.BitBtn2);
    QTest::keyClicks(form.Edit1, "Egen");
    DoubleClickPaletteRow(form, 10); // red cannon
    DragOnBoard(form, CellPoint(1, 1), CellPoint(1, 5));
    DoubleClickPaletteRow(form, 7); // red lamp
    DragOnBoard(form, CellPoint(1, 1), CellPoint(5, 1));
    DoubleClickPaletteRow(form, 0); // mirror
    DragOnBoard(form, CellPoint(1, 1), CellPoint(5, 5));
    for (int turn = 0; turn < 3; ++turn) {
        RightClickOnBoard(form, CellPoint(5, 5));
    }
    form.PaintBox1->repaint();
}

TEST(CommandsWindow, DesignTestedSavedThenLoadedAndPlayed)
{
    WindowHarness harness;
    TForm1& form = harness.form();
    BuildMirrorDesign(form);
    EXPECT_EQ(form.Label2->text(), QString("Grattis! Du klarade det :)"));
    EXPECT_EQ(harness.palette().Count(10), 1);

    Click(form.CoolBtn2);
    EXPECT_EQ(harness.startedCopies, QStringList{harness.path("speltest.prl")});
    EXPECT_TRUE(QFile::exists(harness.path("speltest.prl")));

    harness.dialogs.answers = {QMessageBox::Yes};
    harness.dialogs.files = {harness.path("Egen.prl")};
    Click(form.BitBtn3);
    EXPECT_EQ(Observe(harness), (Shown{true, false, false, true, false, 0}));

    harness.dialogs.files = {harness.path("Egen.prl")};
    Click(form.BitBtn1);
    EXPECT_EQ(form.Edit1->text(), QString("Egen"));
    EXPECT_EQ(harness.palette().Count(0), 1);
    EXPECT_EQ(harness.board().PieceCount, 1);
    DoubleClickPaletteRow(form, 0);
    DragOnBoard(form, CellPoint(1, 1), CellPoint(5, 5));
    for (int turn = 0; turn < 3; ++turn) {
        RightClickOnBoard(form, CellPoint(5, 5));
    }
    form.PaintBox1->repaint();
    EXPECT_EQ(form.Label2->text(), QString("Grattis! Du klarade det :)"));
}

TEST(CommandsWindow, EditorCannonDroppedOffLowersItsRow)
{
    WindowHarness harness;
    TForm1& form = harness.form();
    Click(form.BitBtn2);
    DoubleClickPaletteRow(form, 11);
    EXPECT_EQ(harness.palette().Count(11), 1);
    DragOnBoard(form, CellPoint(1, 1), QPoint(100, 470));
    EXPECT_TRUE(harness.board().Emitters[0].Deleted);
    EXPECT_EQ(harness.palette().Count(11), 0);
}

TEST(CommandsWindow, QuitSavesOnlyAnUnfinishedPosition)
{
    {
        WindowHarness harness({{"a.prl", MirrorLevel()}});
        harness.form().LoadLevelFile(harness.path("a.prl"));
        Click(harness.form().BitBtn5);
        EXPECT_FALSE(harness.form().isVisible());
        QFile saved(harness.path("currentlevel.prl"));
        ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
        const QByteArray text = saved.readAll();
        EXPECT_TRUE(text.contains("Playing=True"));
        EXPECT_TRUE(text.contains("Empty=False"));
    }
    {
        WindowHarness harness({{"done.prl", SolvedLevel()}});
        harness.form().LoadLevelFile(harness.path("done.prl"));
        EXPECT_TRUE(harness.board().Finished);
        Click(harness.form().BitBtn5);
        EXPECT_FALSE(harness.form().isVisible());
        EXPECT_FALSE(QFile::exists(harness.path("currentlevel.prl")));
    }
    {
        // The position cannot be written: the window stays open.
        WindowHarness harness({{"a.prl", MirrorLevel()}});
        QDir(harness.path("")).mkdir("currentlevel.prl");
        harness.form().LoadLevelFile(harness.path("a.prl"));
        Click(harness.form().BitBtn5);
        EXPECT_TRUE(harness.form().isVisible());
        ASSERT_EQ(harness.dialogs.boxes.size(), 1u);
        EXPECT_EQ(harness.dialogs.boxes[0].icon, QMessageBox::Critical);
    }
}

TEST(CommandsWindow, NameFieldRefusesTypedFileNameCharactersButNotPaste)
{
    WindowHarness harness;
    QLineEdit* field = harness.form().Edit1;
    field->clear();
    QTest::keyClicks(field, "a?b|c:d\"*/<>\\e");
    EXPECT_EQ(field->text(), QString("abc:de"));
    EXPECT_EQ(harness.form().game().levelName, "abc:de");
    QApplication::clipboard()->setText("x/y");
    QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(field->text(), QString("abc:dex/y"));
}

TEST(CommandsWindow, RefusedFileIsReportedAndChangesNothing)
{
    WindowHarness harness({{"a.prl", MirrorLevel()}});
    TForm1& form = harness.form();
    form.LoadLevelFile(harness.path("a.prl"));
    const QString caption = form.windowTitle();
    harness.writeFile("huge.prl", QString(2 * 1024 * 1024, QChar('x')));
    harness.dialogs.files = {harness.path("huge.prl")};
    Click(form.BitBtn1);
    ASSERT_EQ(harness.dialogs.boxes.size(), 1u);
    EXPECT_EQ(harness.dialogs.boxes[0].caption, QString("Information"));
    EXPECT_FALSE(harness.dialogs.boxes[0].text.isEmpty());
    EXPECT_EQ(form.windowTitle(), caption);
    EXPECT_EQ(harness.palette().Count(0), 1);
    // A name that is no file is ignored without a word.
    harness.dialogs.files = {harness.path("nothing.prl")};
    Click(form.BitBtn1);
    EXPECT_EQ(harness.dialogs.boxes.size(), 1u);
}

TEST(CommandsWindow, FullTablesRefuseNewPiecesAndCannons)
{
    WindowHarness harness;
    TForm1& form = harness.form();
    Click(form.BitBtn2);
    for (int row : {0, 10}) {
        DoubleClickPaletteRow(form, row);
        for (int i = 0; i < 120; ++i) {
            form.ListBox1DblClick();
        }
    }
    EXPECT_EQ(harness.board().PieceCount, Board::PieceCapacity);
    EXPECT_EQ(harness.palette().Count(0), Board::PieceCapacity);
    // The emitter table stops at its own limit; the row counts only what was added.
    EXPECT_LE(harness.board().EmitterCount, Board::EmitterCapacity);
    EXPECT_GE(harness.board().EmitterCount, 50);
    EXPECT_EQ(harness.palette().Count(10), harness.board().EmitterCount);
    EXPECT_EQ(harness.board().Pieces[Board::OffBoardIndex].Kind, PieceKind::OffBoard);
    EXPECT_EQ(harness.board().Pieces[Board::EmptyCellIndex].Kind, PieceKind::EmptyCell);
    EXPECT_EQ(form.Label2->text(), QString("Brädet är fullt"));
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
    EXPECT_EQ(dialogs.showMessage(nullptr, QuestionBox("?")), QMessageBox::No);
    texts.sort();
    EXPECT_EQ(texts, (QStringList{"Ja", "Nej"}));
}

TEST(CommandsWindow, SeriesArrowsAndStartUpArgument)
{
    const std::vector<std::pair<QString, QString>> files = {{"Level01.prl", MirrorLevel()},
                                                            {"Level02.prl", BombLevel()},
                                                            {"level03.prl", SolvedLevel()}};
    {
        WindowHarness harness(files);
        TForm1& form = harness.form();
        EXPECT_EQ(form.CoolBtn4->toolTip(), QString("Level 0 of 2"));
        Click(form.CoolBtn3);
        EXPECT_EQ(form.Edit1->text(), QString("Bomb"));
        EXPECT_EQ(form.CoolBtn3->toolTip(), QString("Level 1 of 2; Level02.prl"));
        EXPECT_EQ(form.CoolBtn4->toolTip(), form.CoolBtn3->toolTip());
        Click(form.CoolBtn3);
        Click(form.CoolBtn3);
        EXPECT_EQ(form.CoolBtn3->toolTip(), QString("Level 2 of 2; level03.prl"));
        Click(form.CoolBtn4);
        Click(form.CoolBtn4);
        Click(form.CoolBtn4);
        EXPECT_EQ(form.CoolBtn4->toolTip(), QString("Level 0 of 2; Level01.prl"));
        EXPECT_EQ(form.Edit1->text(), QString("Första"));
    }
    {
        WindowHarness harness({{"Level01.prl", MirrorLevel()}, {"own.prl", SolvedLevel()}}, {});
        // The harness folder is only known once it exists: start a second window on it.
        FormOptions options;
        options.programDir = harness.path("");
        options.arguments = {harness.path("own.prl")};
        options.dialogs = &harness.dialogs;
        TForm1 second(std::move(options));
        EXPECT_EQ(second.Edit1->text(), QString("Klar"));
        EXPECT_EQ(second.CoolBtn3->toolTip(), QString("Level 0 of 0"));
        EXPECT_TRUE(second.windowTitle().endsWith("Level laddad: own.prl"));
    }
}

} // namespace
} // namespace prismora::windowtest
