// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The window's side of the level chooser: each series level as it starts, and the choice.
#include "app/main_window.h"

#include "app/level_chooser.h"
#include "app/progress_store.h"
#include "core/level_file.h"
#include "core/progress.h"
#include "view/board_render.h"
#include "view/sprite_set.h"
#include "widgets/gradient_button.h"

#include <QFrame>
#include <QLineEdit>

#include <filesystem>

namespace prismora {
namespace {

// Each series level as it starts, its name and whether the player solved it.
// Entries that hold no level (a folder, a stray file of the series' name)
// are not offered.
std::vector<ChooserLevel> readChooserLevels(const std::vector<std::string>& files,
                                            const SessionStore& progress)
{
    std::vector<ChooserLevel> levels;
    for (std::size_t i = 0; i < files.size(); ++i) {
        auto loaded = loadLevel(files[i]);
        if (!loaded.ok() || !loaded.value().holdsLevel) {
            continue;
        }
        const Level& level = loaded.value().level;
        ChooserLevel entry;
        entry.seriesIndex = static_cast<int>(i);
        entry.name = QString::fromStdString(level.name);
        entry.thumbnail = renderBoard(level, evaluate(level), standardSprites())
                              .scaled(LevelChooser::ThumbnailSize, LevelChooser::ThumbnailSize,
                                      Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        const std::string fileName = std::filesystem::path(files[i]).filename().string();
        const std::string key = progressKey(fileName, loaded.value().contentHash);
        entry.isSolved = progress.isSolved(key);
        entry.record = progress.levelRecord(key);
        levels.push_back(std::move(entry));
    }
    return levels;
}

} // namespace

void MainWindow::buildChooseLevelButton()
{
    // In the free right-hand end of the top bar, after the name field.
    m_chooseLevelButton = makeButton(QString(), m_topBar, QRect(562, 8, 90, 25));
    m_chooseLevelButton->setObjectName(QStringLiteral("chooseLevelButton"));
    connect(m_chooseLevelButton, &QPushButton::clicked, this, &MainWindow::openLevelChooser);
}

void MainWindow::openLevelChooser()
{
    auto* chooser =
        new LevelChooser(readChooserLevels(m_session->series().files(), *m_progress),
                         m_session->hasSavedGame() ? ContinueOffer::SavedGame : ContinueOffer::None,
                         chooserGenerated(), this);
    chooser->setAttribute(Qt::WA_DeleteOnClose);
    // As the arrows do: a changed design is not left without asking, and the
    // index and the hint move even when the file cannot be loaded any more.
    connect(chooser, &LevelChooser::levelChosen, this, [this](int index) {
        perform(
            [this, index](Consent consent) { return m_session->goToSeriesLevel(index, consent); });
    });
    connect(chooser, &LevelChooser::continueChosen, this, [this] {
        perform([this](Consent consent) { return m_session->continueSavedGame(consent); });
    });
    connect(chooser, &LevelChooser::tierChosen, this, &MainWindow::generateForTier);
    connect(chooser, &LevelChooser::dailyChosen, this, &MainWindow::generateDaily);
    connect(chooser, &LevelChooser::codeEntered, this, &MainWindow::openCode);
    connect(chooser, &LevelChooser::generatedChosen, this, &MainWindow::openRemembered);
    chooser->open();
}

} // namespace prismora
