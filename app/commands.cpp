// The commands of the right-hand column, the palette's menu and the level name field.
#include "app/main_window.h"

#include "app/file_names.h"
#include "core/level_file.h"
#include "view/board_view.h"
#include "view/palette_list.h"

#include <QFileInfo>
#include <QLineEdit>

namespace prismora {

namespace {

constexpr const char* NotWorkingText = "Du måste först bygga en bana som fungerar!";
constexpr const char* SaveQuestionText =
    "När du sparar leveln så kan du inte redigera den längre!\n\nVill du spara nu?";
constexpr const char* NameMissingText = "Du måste namnge leveln!";
constexpr const char* ReplaceQuestionText = "Filen %1 finns redan.\n\nVill du ersätta den?";
constexpr const char* LeaveDesignQuestionText =
    "Leveln du bygger är inte sparad!\n\nVill du lämna den ändå?";

} // namespace

bool MainWindow::saveLevelOrReport(const QString& path, SaveLayout layout)
{
    const Completion completion =
        m_evaluation.isFinished() ? Completion::Finished : Completion::Unfinished;
    const auto saved = saveLevel(m_level, layout, completion, path.toStdString());
    if (!saved.ok()) {
        ask(errorBox(QString::fromStdString(saveFailureMessage(saved.error()))));
    }
    return saved.ok();
}

bool MainWindow::isWorkingDesign() const { return m_evaluation.verdict == Verdict::Solved; }

bool MainWindow::mayLeaveDesign()
{
    if (!m_openedDesign) {
        return true;
    }
    const Level& opened = *m_openedDesign;
    const bool isChanged = m_level.name != opened.name || m_level.pieces != opened.pieces ||
                           m_level.sources != opened.sources;
    return !isChanged ||
           ask(questionBox(QString::fromUtf8(LeaveDesignQuestionText))) == QMessageBox::Yes;
}

bool MainWindow::filterNameKey(const QString& typed)
{
    // Typed characters that cannot stand in a file name are swallowed;
    // pasted text is taken as it is.
    for (const QChar character : typed) {
        if (isForbiddenFileNameChar(character)) {
            return true;
        }
    }
    return false;
}

void MainWindow::openLevel()
{
    if (!mayLeaveDesign()) {
        return;
    }
    const FileDialogRequest request{FileDialogMode::Open, m_playerFolder,
                                    QString::fromLatin1(LevelFileFilter), QString()};
    if (const std::optional<QString> path = m_dialogs->askFileName(this, request)) {
        loadLevelFile(*path);
    }
}

void MainWindow::startNewDesign()
{
    if (!mayLeaveDesign()) {
        return;
    }
    m_level = newDesign();
    m_grab = {};
    startFreshHistory();
    setCommandState(CommandState::Designing);
    m_levelNameEdit->clear();
    m_openedDesign = m_level;
    m_boardView->unsetCursor();
    m_paletteList->selectRow(-1);
    refreshPalette();
    refreshBoard();
}

void MainWindow::saveDesign()
{
    if (!isWorkingDesign()) {
        ask(informationBox(QString::fromUtf8(NotWorkingText)));
        return;
    }
    if (ask(questionBox(QString::fromUtf8(SaveQuestionText))) != QMessageBox::Yes) {
        return;
    }
    m_boardView->setPaintingEnabled(false);
    m_paletteList->setPaintingEnabled(false);
    const FileDialogRequest request{FileDialogMode::Save, m_playerFolder,
                                    QString::fromLatin1(LevelFileFilter), QStringLiteral("prl")};
    if (const std::optional<QString> path = m_dialogs->askFileName(this, request)) {
        if (m_levelNameEdit->text().isEmpty()) {
            ask(informationBox(QString::fromUtf8(NameMissingText)));
            m_levelNameEdit->setFocus();
        } else if (mayReplace(*path) && saveLevelOrReport(*path, SaveLayout::Design)) {
            m_openedDesign.reset();
            setCommandState(CommandState::Playing);
            m_level.palette.clear();
        }
    }
    m_boardView->setPaintingEnabled(true);
    m_paletteList->setPaintingEnabled(true);
    refreshPalette();
    refreshBoard();
}

bool MainWindow::mayReplace(const QString& path)
{
    return !QFileInfo::exists(path) ||
           ask(questionBox(QString::fromUtf8(ReplaceQuestionText).arg(path))) == QMessageBox::Yes;
}

void MainWindow::testDesign()
{
    if (!isWorkingDesign()) {
        ask(informationBox(QString::fromUtf8(NotWorkingText)));
        return;
    }
    const QString path = playerFile(QString::fromLatin1(TestCopyFileName));
    if (saveLevelOrReport(path, SaveLayout::Design)) {
        m_startProgramCopy(path);
    }
}

void MainWindow::discardDesign()
{
    m_openedDesign.reset();
    setCommandState(CommandState::NothingLoaded);
    m_level.palette.clear();
    m_paletteList->selectRow(-1);
    refreshPalette();
    refreshBoard();
}

void MainWindow::editLoadedLevel()
{
    setCommandState(CommandState::Designing);
    enterEditMode(m_level);
    if (!m_openedDesign) {
        m_openedDesign = m_level;
    }
    refreshPalette();
    refreshBoard();
}

void MainWindow::playLoadedLevel()
{
    enterPlayMode(m_level);
    // A cannon grabbed in the editor must not be dragged in play.
    m_grab = {};
    setCommandState(afterPlayStarts(m_commandState));
    refreshPalette();
    refreshBoard();
}

void MainWindow::quit()
{
    // A failed save has been reported; the game still ends, or it could not
    // be left at all in a folder it cannot write. The copy started by "Testa
    // spel..." leaves the player's own position alone.
    if (!m_evaluation.isFinished() && !m_isTestCopy) {
        saveLevelOrReport(playerFile(QStringLiteral("currentlevel.prl")), SaveLayout::Position);
    }
    close();
}

} // namespace prismora
