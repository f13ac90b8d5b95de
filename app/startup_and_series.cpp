// Start-up of the main window, loading levels into it, the series arrows and the bomb restart.
#include "app/main_window.h"

#include "app/storage_paths.h"
#include "base/version.h"
#include "core/level_file.h"
#include "view/board_view.h"
#include "view/palette_list.h"
#include "widgets/gradient_button.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>

namespace prismora {

namespace {

std::filesystem::path toPath(const QString& text)
{
    return std::filesystem::path(text.toStdString());
}

// The level named on the command line: the first argument, or the one after
// "--" (so a name starting with "--" can be opened).
QString levelArgument(const QStringList& arguments)
{
    if (arguments.isEmpty()) {
        return {};
    }
    if (arguments.constFirst() == QStringLiteral("--")) {
        return arguments.size() > 1 ? arguments.at(1) : QString();
    }
    return arguments.constFirst();
}

} // namespace

void MainWindow::startUp(const QStringList& arguments)
{
    if (m_seriesFolder.isEmpty() || m_playerFolder.isEmpty()) {
        const StorageFolders folders = findStorageFolders(
            QString::fromStdString(programFolder(toPath(QCoreApplication::applicationFilePath()))));
        m_seriesFolder = folders.seriesFolder;
        m_playerFolder = folders.playerFolder;
    }
    for (QString* folder : {&m_seriesFolder, &m_playerFolder}) {
        if (!folder->endsWith(QLatin1Char('/'))) {
            *folder += QLatin1Char('/');
        }
    }
    m_series = LevelSeries(listSeriesFiles(toPath(m_seriesFolder)));
    showSeriesHint();
    m_level.name = m_levelNameEdit->text().toStdString();
    setCommandState(CommandState::NothingLoaded);
    refreshPalette();
    refreshBoard();
    // Anything but a regular file is refused with a word; nothing at all is
    // passed over in silence.
    const QString level = levelArgument(arguments);
    if (!level.isEmpty()) {
        const QString testFile =
            QFileInfo(m_playerFolder + QString::fromLatin1(TestCopyFileName)).canonicalFilePath();
        m_isTestCopy = !testFile.isEmpty() && QFileInfo(level).canonicalFilePath() == testFile;
        loadLevelFile(level);
    }
}

QString MainWindow::playerFile(const QString& name) const
{
    // The per-user folder of an installed game may not exist yet; a folder
    // that cannot be made shows as a failed write of the file.
    QDir().mkpath(m_playerFolder);
    return m_playerFolder + name;
}

void MainWindow::showSeriesHint()
{
    const QString hint = QString::fromStdString(m_series.hint());
    m_nextLevelButton->setToolTip(hint);
    m_previousLevelButton->setToolTip(hint);
}

void MainWindow::goToNextLevel()
{
    if (!mayLeaveDesign()) {
        return;
    }
    if (const std::optional<std::string> path = m_series.next()) {
        loadLevelFile(QString::fromStdString(*path));
        showSeriesHint();
    }
}

void MainWindow::goToPreviousLevel()
{
    if (!mayLeaveDesign()) {
        return;
    }
    if (const std::optional<std::string> path = m_series.previous()) {
        loadLevelFile(QString::fromStdString(*path));
        showSeriesHint();
    }
}

void MainWindow::loadLevelFile(const QString& path)
{
    if (readLevelFile(path)) {
        startFreshHistory();
    }
}

bool MainWindow::readLevelFile(const QString& path)
{
    auto loaded = loadLevel(toPath(path));
    if (!loaded.ok()) {
        if (loaded.error().failure == LoadFailure::Refused) {
            ask(informationBox(QString::fromStdString(loaded.error().message)));
        }
        return false;
    }
    const std::string warning = loaded.value().warning;
    takeLoadedLevel(std::move(loaded.value()), path);
    if (!warning.empty()) {
        ask(informationBox(QString::fromStdString(warning)));
    }
    return true;
}

void MainWindow::takeLoadedLevel(LoadedLevel loaded, const QString& path)
{
    m_level = std::move(loaded.level);
    m_evaluation = evaluate(m_level);
    m_grab = {};
    m_openedDesign.reset();
    m_currentLevelFile = path;
    setWindowTitle(QStringLiteral("Prismora version ") +
                   QString::fromUtf8(Version.data(), static_cast<qsizetype>(Version.size())) +
                   QString(15, QLatin1Char(' ')) + QStringLiteral("Level laddad: ") +
                   QFileInfo(path).fileName());
    showLevelName();
    setCommandState(afterPlayStarts(m_commandState));
    m_boardView->unsetCursor();
    m_paletteList->selectRow(-1);
    refreshPalette();
    m_boardView->showLevel(&m_level, &m_evaluation);
    m_statusLabel->setText(QString::fromStdString(m_evaluation.statusText()));
    afterLevelTaken(path, loaded.contentHash);
}

void MainWindow::restartAfterBomb()
{
    // The level starts over from the file loaded last. A restarted position
    // that itself sends a beam into a bomb is shown with the bomb text and
    // not restarted again; a file that has gone leaves the board as it is.
    // The restart is part of the action that set the bomb off, so undo
    // brings back the position before that action.
    readLevelFile(m_currentLevelFile);
    m_boardView->showLevel(&m_level, &m_evaluation);
    m_statusLabel->setText(QString::fromUtf8(BombText));
}

} // namespace prismora
