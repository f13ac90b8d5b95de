// The commands of the right-hand column, the palette's menu and the level name field.
#include "app/tform1.h"

#include "app/file_names.h"
#include "core/game_modes.h"
#include "core/level_file.h"
#include "view/board_widget.h"
#include "view/palette_list.h"

#include <QLineEdit>
#include <QPushButton>

namespace prismora {

namespace {

constexpr const char* NotWorkingText = "Du måste först bygga en bana som fungerar!";
constexpr const char* SaveQuestionText =
    "När du sparar leveln så kan du inte redigera den längre!\n\nVill du spara nu?";
constexpr const char* NameMissingText = "Du måste namnge leveln!";

} // namespace

void TForm1::showDesignCommands(bool shown)
{
    BitBtn3->setVisible(shown);
    CoolBtn2->setVisible(shown);
}

void TForm1::showSnapshotCommands(bool shown)
{
    BitBtn6->setVisible(shown);
    CoolBtn1->setVisible(shown);
}

void TForm1::refreshPalette() { ListBox1->showRows(m_game.palette, m_game.board); }

void TForm1::refreshBoardAndPalette()
{
    refreshPalette();
    PaintBox1->update();
}

bool TForm1::saveLevelOrReport(const QString& path, bool emptyBoard)
{
    const SaveResult result =
        SaveLevel(m_game, std::filesystem::path(path.toStdString()), emptyBoard);
    if (!result.ok) {
        ask(ErrorBox(QString::fromStdString(result.message)));
    }
    return result.ok;
}

void TForm1::setNameFromField() { m_game.levelName = Edit1->text().toStdString(); }

bool TForm1::Edit1KeyPress(const QString& typed)
{
    // Typed characters that cannot stand in a file name are swallowed;
    // pasted text is taken as it is.
    for (const QChar character : typed) {
        if (IsForbiddenFileNameChar(character)) {
            return true;
        }
    }
    return false;
}

void TForm1::BitBtn1Click()
{
    const FileDialogRequest request{FileDialogMode::Open, m_programDir,
                                    QString::fromLatin1(LevelFileFilter), QString()};
    if (const std::optional<QString> path = m_dialogs->askFileName(this, request)) {
        LoadLevelFile(*path);
    }
}

void TForm1::BitBtn2Click()
{
    StartNewLevel(m_game);
    BitBtn1->setVisible(false);
    showDesignCommands(true);
    BitBtn4->setVisible(true);
    showSnapshotCommands(true);
    Edit1->clear();
    PaintBox1->unsetCursor();
    refreshBoardAndPalette();
}

void TForm1::BitBtn3Click()
{
    if (!m_game.board.Finished) {
        ask(InformationBox(QString::fromUtf8(NotWorkingText)));
        return;
    }
    if (ask(QuestionBox(QString::fromUtf8(SaveQuestionText))) != QMessageBox::Yes) {
        return;
    }
    m_game.board.PaintEnabled = false;
    const FileDialogRequest request{FileDialogMode::Save, m_programDir,
                                    QString::fromLatin1(LevelFileFilter), QStringLiteral("prl")};
    if (const std::optional<QString> path = m_dialogs->askFileName(this, request)) {
        if (Edit1->text().isEmpty()) {
            ask(InformationBox(QString::fromUtf8(NameMissingText)));
            Edit1->setFocus();
        } else if (saveLevelOrReport(*path, true)) {
            BitBtn1->setVisible(true);
            showDesignCommands(false);
            BitBtn4->setVisible(false);
            m_game.palette.Clear();
        }
    }
    m_game.board.PaintEnabled = true;
    refreshBoardAndPalette();
}

void TForm1::CoolBtn2Click()
{
    if (!m_game.board.Finished) {
        ask(InformationBox(QString::fromUtf8(NotWorkingText)));
        return;
    }
    const QString path = m_programDir + QStringLiteral("speltest.prl");
    if (saveLevelOrReport(path, true)) {
        m_startProgramCopy(path);
    }
}

void TForm1::BitBtn4Click()
{
    BitBtn1->setVisible(true);
    showDesignCommands(false);
    BitBtn4->setVisible(false);
    showSnapshotCommands(false);
    m_game.palette.Clear();
    refreshBoardAndPalette();
}

void TForm1::EditLoadedGameClick()
{
    BitBtn1->setVisible(false);
    showDesignCommands(true);
    BitBtn4->setVisible(true);
    showSnapshotCommands(true);
    EnterEditMode(m_game);
    refreshBoardAndPalette();
}

void TForm1::PlayLoadedGameClick()
{
    EnterPlayMode(m_game);
    // A cannon made hot in the editor must not be dragged in play.
    m_game.board.HotPiece = -1;
    m_game.board.HotEmitter = -1;
    showSnapshotCommands(true);
    showDesignCommands(false);
    // The board is not repainted: the palette's rows follow the mode change.
    refreshPalette();
}

void TForm1::BitBtn5Click()
{
    if (!m_game.board.Finished &&
        !saveLevelOrReport(m_programDir + QStringLiteral("currentlevel.prl"), false)) {
        return;
    }
    close();
}

} // namespace prismora
