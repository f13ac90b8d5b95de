// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The window's side of generated levels and codes: asking for one, showing it, opening a code.
#include "app/main_window.h"

#include "app/generation_runner.h"
#include "app/level_chooser.h"
#include "app/progress_store.h"
#include "app/status_feedback.h"
#include "core/level_code.h"
#include "view/board_render.h"
#include "view/sprite_set.h"

#include <QDate>
#include <QLabel>

#include <random>

namespace prismora {

void MainWindow::buildGenerationRunner(GenerationRunner::Generator generator)
{
    m_generationRunner = new GenerationRunner(
        std::move(generator),
        [this](PuzzleKind kind, const GenerationRunner::Outcome& outcome) {
            takeGenerated(kind, outcome);
        },
        [this] { showStatus(StatusNote::None); }, this);
}

bool MainWindow::isGenerating() const { return m_generationRunner->isRunning(); }

void MainWindow::generateForTier(int tier)
{
    // A fresh seed each time: the code shown makes the level reproducible.
    std::random_device entropy;
    generateFrom({static_cast<Tier>(std::clamp(tier, 0, TierCount - 1)), GeneratorVersion,
                  static_cast<std::uint32_t>(entropy())},
                 PuzzleKind::Generated);
}

void MainWindow::generateDaily()
{
    // The player's own calendar day, the same puzzle for everyone on it.
    const QDate today = QDate::currentDate();
    generateFrom(dailyPuzzle(today.year(), today.month(), today.day()), PuzzleKind::Daily);
}

void MainWindow::generateFrom(const SeedCode& code, PuzzleKind kind)
{
    cancelHint();
    m_generationRunner->start(code, kind);
    m_feedback->hide();
    m_statusLabel->setText(tr("Skapar bana..."));
}

void MainWindow::takeGenerated(PuzzleKind kind, const GenerationRunner::Outcome& outcome)
{
    if (!outcome.ok()) {
        showStatus(StatusNote::None);
        reportCodeError(CodeError::NewerVersion, {});
        return;
    }
    const GeneratedLevel& generated = outcome.value();
    perform([this, generated, kind](Consent consent) {
        return m_session->openGenerated(generated, kind, consent);
    });
    if (m_session->origin().kind != LevelOrigin::Kind::Generated) {
        showStatus(StatusNote::None); // the player kept the design
    }
}

void MainWindow::showLoadedCode()
{
    const std::string& code = m_session->origin().code;
    if (!code.empty()) {
        m_feedback->showMessage(tr("Level laddad: %1 (%2)")
                                    .arg(QString::fromStdString(m_session->level().name),
                                         QString::fromStdString(code)));
    }
}

void MainWindow::openCode(const QString& text)
{
    const std::string typed = text.trimmed().toStdString();
    const auto seed = parseSeedCode(typed);
    if (seed.ok()) {
        const QDate today = QDate::currentDate();
        const bool isDaily = seed.value() == dailyPuzzle(today.year(), today.month(), today.day());
        generateFrom(seed.value(), isDaily ? PuzzleKind::Daily : PuzzleKind::Generated);
        return;
    }
    if (seed.error() != CodeError::NotACode) {
        reportCodeError(seed.error(), text);
        return;
    }
    auto level = decodeLevelCode(typed);
    if (!level.ok()) {
        reportCodeError(level.error(), text);
        return;
    }
    const std::string code = encodeLevelCode(level.value());
    perform([this, &level, &code](Consent consent) {
        return m_session->openCoded(level.value(), code, consent);
    });
}

void MainWindow::reportCodeError(CodeError error, const QString& text)
{
    // A pasted text may be anything: only its start is shown.
    const QString shown = text.trimmed().left(40);
    switch (error) {
    case CodeError::NewerVersion:
        ask(informationBox(tr("Koden kommer från en nyare version av Prismora. "
                              "Uppdatera spelet för att öppna den.")));
        break;
    case CodeError::BadCheck:
        ask(informationBox(
            tr("Koden %1 stämmer inte. Kontrollera att den är rätt inskriven.").arg(shown)));
        break;
    default:
        ask(informationBox(tr("%1 är ingen kod för en bana.").arg(shown)));
        break;
    }
}

std::vector<ChooserGenerated> MainWindow::chooserGenerated() const
{
    std::vector<ChooserGenerated> shown;
    for (const GeneratedRecord& record : m_progress->generatedLevels()) {
        ChooserGenerated entry{QString::fromStdString(record.seedCode),
                               QString::fromStdString(record.name),
                               {},
                               record.isDaily,
                               record.isSolved};
        if (const auto level = decodeLevelCode(record.levelCode); level.ok()) {
            entry.thumbnail = renderBoard(level.value(), evaluate(level.value()), standardSprites())
                                  .scaled(LevelChooser::ThumbnailSize, LevelChooser::ThumbnailSize,
                                          Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        }
        shown.push_back(std::move(entry));
    }
    return shown;
}

void MainWindow::openRemembered(int index)
{
    const std::vector<GeneratedRecord> records = m_progress->generatedLevels();
    if (index < 0 || index >= static_cast<int>(records.size())) {
        return;
    }
    const GeneratedRecord& record = records[static_cast<std::size_t>(index)];
    const PuzzleKind kind = record.isDaily ? PuzzleKind::Daily : PuzzleKind::Generated;
    auto level = decodeLevelCode(record.levelCode);
    if (!level.ok()) {
        // A record spoilt in the settings file: the seed makes the level again.
        const auto seed = parseSeedCode(record.seedCode);
        if (seed.ok()) {
            generateFrom(seed.value(), kind);
        }
        return;
    }
    const GeneratedLevel generated{std::move(level.value()), record.seedCode, 0, {}};
    perform([this, &generated, kind](Consent consent) {
        return m_session->openGenerated(generated, kind, consent);
    });
}

} // namespace prismora
