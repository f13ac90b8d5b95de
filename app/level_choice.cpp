// The window's side of the level chooser and of the player's progress through the series.
#include "app/main_window.h"

#include "app/level_chooser.h"
#include "app/progress_store.h"
#include "core/level_file.h"
#include "core/progress.h"
#include "view/board_render.h"
#include "view/sprite_set.h"
#include "widgets/gradient_button.h"

#include <QFileInfo>
#include <QFrame>
#include <QLineEdit>

#include <filesystem>

namespace prismora {
namespace {

constexpr const char* SavedGameName = "currentlevel.prl";

std::string seriesProgressKey(const std::string& seriesFile, std::uint64_t contentHash)
{
    return progressKey(std::filesystem::path(seriesFile).filename().string(), contentHash);
}

// Each series level as it starts, its name and whether the player solved it.
std::vector<ChooserLevel> readChooserLevels(const std::vector<std::string>& files,
                                            const ProgressStore& progress)
{
    std::vector<ChooserLevel> levels;
    for (const std::string& file : files) {
        ChooserLevel entry;
        auto loaded = loadLevel(file);
        if (loaded.ok()) {
            const Level& level = loaded.value().level;
            entry.name = QString::fromStdString(level.name);
            entry.thumbnail = renderBoard(level, evaluate(level), standardSprites())
                                  .scaled(LevelChooser::ThumbnailSize, LevelChooser::ThumbnailSize,
                                          Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            entry.isSolved = progress.isSolved(seriesProgressKey(file, loaded.value().contentHash));
        } else {
            entry.name = QString::fromStdString(std::filesystem::path(file).filename().string());
        }
        levels.push_back(std::move(entry));
    }
    return levels;
}

} // namespace

void MainWindow::buildChooseLevelButton()
{
    // In the free right-hand end of the top bar, after the name field.
    m_chooseLevelButton = makeButton("Välj nivå", m_topBar, QRect(562, 8, 90, 25));
    m_chooseLevelButton->setObjectName(QStringLiteral("chooseLevelButton"));
    m_chooseLevelButton->setToolTip(QStringLiteral("Välj nivå (Ctrl+L)"));
    connect(m_chooseLevelButton, &QPushButton::clicked, this, &MainWindow::openLevelChooser);
    // Tab goes through the top bar from left to right before the board.
    setTabOrder(m_levelNameEdit, m_chooseLevelButton);
}

void MainWindow::openLevelChooser()
{
    const bool hasSavedGame = QFileInfo(m_playerFolder + QLatin1String(SavedGameName)).isFile();
    auto* chooser =
        new LevelChooser(readChooserLevels(m_series.files(), *m_progress),
                         hasSavedGame ? ContinueOffer::SavedGame : ContinueOffer::None, this);
    chooser->setAttribute(Qt::WA_DeleteOnClose);
    connect(chooser, &LevelChooser::levelChosen, this, &MainWindow::goToSeriesLevel);
    connect(chooser, &LevelChooser::continueChosen, this, &MainWindow::continueSavedGame);
    chooser->open();
}

void MainWindow::goToSeriesLevel(int index)
{
    // As the arrows do: a changed design is not left without asking, and the
    // index and the hint move even when the file cannot be loaded any more.
    if (!mayLeaveDesign()) {
        return;
    }
    if (const std::optional<std::string> path = m_series.select(index)) {
        loadLevelFile(QString::fromStdString(*path));
        showSeriesHint();
    }
}

void MainWindow::continueSavedGame()
{
    if (!mayLeaveDesign()) {
        return;
    }
    loadLevelFile(m_playerFolder + QLatin1String(SavedGameName));
}

void MainWindow::rememberLevelFile(const QString& path, std::uint64_t contentHash)
{
    m_playedFile = path;
    m_progressKey.clear();
    const QString loaded = QFileInfo(path).canonicalFilePath();
    for (const std::string& file : m_series.files()) {
        if (QFileInfo(QString::fromStdString(file)).canonicalFilePath() == loaded) {
            m_progressKey = seriesProgressKey(file, contentHash);
            return;
        }
    }
}

void MainWindow::recordProgressIfSolved()
{
    if (!m_progressKey.empty() && m_level.mode == Mode::Play &&
        m_evaluation.verdict == Verdict::Solved) {
        m_progress->markSolved(m_progressKey);
    }
}

} // namespace prismora
