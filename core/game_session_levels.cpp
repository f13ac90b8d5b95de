// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The game session's levels: loading, the series, the editor's commands, saving and quitting.
#include "core/game_session.h"

#include "core/content_hash.h"
#include "core/file_names.h"
#include "core/level_analysis.h"
#include "core/level_file.h"
#include "core/palette.h"
#include "core/progress.h"

namespace prismora {
namespace {

namespace fs = std::filesystem;

SessionOutcome asking(Question question)
{
    SessionOutcome outcome;
    outcome.question = question;
    return outcome;
}

SessionOutcome telling(SessionMessage::Kind kind, std::string path = {}, LocalText detail = {})
{
    SessionOutcome outcome;
    outcome.message = SessionMessage{kind, std::move(path), std::move(detail)};
    return outcome;
}

SessionOutcome saveFailed(const FileError& error)
{
    return telling(SessionMessage::Kind::SaveFailed, error.path, saveFailureText(error));
}

// A failed save of `position`, which may have held more pieces than a file.
SessionOutcome positionSaveFailed(const FileError& error, const Level& position)
{
    return telling(SessionMessage::Kind::SaveFailed, error.path,
                   saveFailureText(error, position, SaveLayout::Position));
}

// The pieces in the player's hand: the play rows of a level being played,
// none for one being built.
std::vector<int> handOf(const Level& level)
{
    std::vector<int> hand(PlayRowCount, 0);
    if (level.mode == Mode::Play) {
        for (int row = 0; row < PlayRowCount; ++row) {
            hand[static_cast<std::size_t>(row)] = paletteCount(level, row);
        }
    }
    return hand;
}

} // namespace

bool GameSession::hasSavedGame() const
{
    std::error_code error;
    return fs::is_regular_file(m_folders.playerFolder / SavedGameFileName, error);
}

bool GameSession::isDesignChanged() const
{
    if (!m_openedDesign) {
        return false;
    }
    const Level& opened = *m_openedDesign;
    return m_level.name != opened.name || m_level.pieces != opened.pieces ||
           m_level.sources != opened.sources;
}

bool GameSession::mustAskBeforeLeaving(Consent consent) const
{
    return consent == Consent::NotAsked && isDesignChanged();
}

void GameSession::setCommandState(CommandState state, SessionOutcome& outcome)
{
    if (state == m_state) {
        return;
    }
    // Steps taken under other commands would bring back a mode or a palette
    // that the commands now on offer do not fit.
    m_history.clear();
    m_cursor.held = {};
    forgetHold();
    m_state = state;
    outcome.commands = true;
}

void GameSession::identifySeriesLevel(const fs::path& path, std::uint64_t hash,
                                      LevelOrigin& origin) const
{
    const std::vector<std::string>& files = m_series.files();
    for (std::size_t i = 0; i < files.size(); ++i) {
        std::error_code error;
        if (fs::equivalent(path, files[i], error)) {
            origin.seriesIndex = static_cast<int>(i);
            origin.progressKey = progressKey(fs::path(files[i]).filename().string(), hash);
            return;
        }
    }
}

SessionOutcome GameSession::start(const std::optional<fs::path>& levelFile)
{
    SessionOutcome outcome;
    if (levelFile) {
        std::error_code error;
        m_isTestCopy = fs::equivalent(*levelFile, m_folders.playerFolder / TestCopyFileName, error);
        outcome = openFile(*levelFile, Consent::Given);
    }
    outcome.board = outcome.palette = outcome.name = outcome.commands = outcome.series = true;
    return outcome;
}

SessionOutcome GameSession::openFile(const fs::path& path, Consent consent)
{
    if (mustAskBeforeLeaving(consent)) {
        return asking(Question::LeaveDesign);
    }
    return load(path, {LevelOrigin::Kind::OpenedFile, path, -1, {}, {}, false}, HistoryUse::Fresh);
}

SessionOutcome GameSession::load(const fs::path& path, LevelOrigin origin, HistoryUse history)
{
    auto loaded = loadLevel(path);
    if (!loaded.ok()) {
        if (loaded.error().failure == LoadFailure::Refused) {
            return telling(SessionMessage::Kind::FileRefused, path.string(), loaded.error().reason);
        }
        return {}; // nothing there: nothing is said, nothing changes
    }
    if (!loaded.value().holdsLevel) {
        return telling(SessionMessage::Kind::NotALevel, path.string());
    }
    m_loadedHash = loaded.value().contentHash;
    if (origin.progressKey.empty()) {
        identifySeriesLevel(path, m_loadedHash, origin);
    }
    SessionOutcome outcome;
    setCommandState(CommandState::Playing, outcome);
    const Level before = m_level;
    m_history.finishAction(m_level);
    takeLoadedLevel(std::move(loaded.value().level), path, std::move(origin));
    if (history == HistoryUse::Kept) {
        m_history.recordStep(before, m_level);
    } else {
        m_history.clear();
    }
    outcome.palette = outcome.name = outcome.loaded = outcome.pointer = true;
    outcome.selectRow = -1;
    judgeAfresh(outcome);
    if (!loaded.value().warning.empty()) {
        outcome.message = SessionMessage{SessionMessage::Kind::LoadWarning, path.string(),
                                         loaded.value().warning};
    }
    return outcome;
}

void GameSession::takeLoadedLevel(Level level, fs::path path, LevelOrigin origin)
{
    m_level = std::move(level);
    m_grab = {};
    m_cursor.held = {};
    m_openedDesign.reset();
    m_playStart.reset();
    m_editorHand.clear();
    m_generated.reset();
    m_loadedFile = std::move(path);
    m_origin = std::move(origin);
    forgetHold();
    startClock();
}

SessionOutcome GameSession::nextLevel(Consent consent)
{
    if (mustAskBeforeLeaving(consent)) {
        return asking(Question::LeaveDesign);
    }
    const int before = m_series.index();
    return loadFromSeries(m_series.next(), before);
}

SessionOutcome GameSession::previousLevel(Consent consent)
{
    if (mustAskBeforeLeaving(consent)) {
        return asking(Question::LeaveDesign);
    }
    const int before = m_series.index();
    return loadFromSeries(m_series.previous(), before);
}

SessionOutcome GameSession::goToSeriesLevel(int index, Consent consent)
{
    if (mustAskBeforeLeaving(consent)) {
        return asking(Question::LeaveDesign);
    }
    const int before = m_series.index();
    return loadFromSeries(m_series.select(index), before);
}

SessionOutcome GameSession::loadFromSeries(std::optional<std::string> path, int indexBefore)
{
    if (!path) {
        return {};
    }
    // The arrows stay at the ends of the series and load the same level
    // again: that starts it over, as one step undo can take back.
    const bool isSameLevel =
        m_series.index() == indexBefore && m_origin.kind == LevelOrigin::Kind::SeriesLevel &&
        m_origin.seriesIndex == indexBefore && m_state == CommandState::Playing;
    LevelOrigin origin{LevelOrigin::Kind::SeriesLevel, *path, m_series.index(), {}, {}, false};
    SessionOutcome outcome =
        load(*path, std::move(origin), isSameLevel ? HistoryUse::Kept : HistoryUse::Fresh);
    // The index and the hint move on even when the file cannot be loaded.
    outcome.series = true;
    return outcome;
}

SessionOutcome GameSession::continueSavedGame(Consent consent)
{
    if (mustAskBeforeLeaving(consent)) {
        return asking(Question::LeaveDesign);
    }
    const fs::path path = m_folders.playerFolder / SavedGameFileName;
    const std::optional<SavedGameRecord> record = m_store.savedGameRecord();
    SessionOutcome outcome =
        load(path, {LevelOrigin::Kind::ResumedGame, path, -1, {}, {}, false}, HistoryUse::Fresh);
    if (!outcome.loaded || !record || record->fileHash != m_loadedHash) {
        return outcome; // an older record, or another program's file
    }
    const std::vector<std::string>& files = m_series.files();
    for (std::size_t i = 0; i < files.size(); ++i) {
        if (fs::path(files[i]).filename() == record->seriesFileName) {
            // Solving it counts for its series level, and the arrows go on from there.
            m_series.select(static_cast<int>(i));
            m_origin.seriesIndex = static_cast<int>(i);
            m_origin.progressKey = record->progressKey;
            outcome.series = true;
            recordProgress();
            break;
        }
    }
    if (record->isDesign) {
        resumeDesign(*record, outcome);
    }
    return outcome;
}

void GameSession::resumeDesign(const SavedGameRecord& record, SessionOutcome& outcome)
{
    // Back in the editor as it was left: the hand the file gave is the
    // editor's hand, the palette counts come from the record. It was never
    // saved, so leaving it is asked about.
    m_editorHand = handOf(m_level);
    enterEditMode(m_level);
    if (record.editorPalette.size() == static_cast<std::size_t>(EditRowCount)) {
        m_level.palette = record.editorPalette;
    }
    m_openedDesign = prismora::newDesign();
    m_origin = {LevelOrigin::Kind::Design, {}, -1, {}, {}, false};
    setCommandState(CommandState::Designing, outcome);
    judgeAfresh(outcome);
}

SessionOutcome GameSession::newDesign(Consent consent)
{
    if (mustAskBeforeLeaving(consent)) {
        return asking(Question::LeaveDesign);
    }
    SessionOutcome outcome;
    setCommandState(CommandState::Designing, outcome);
    m_history.clear();
    m_level = prismora::newDesign();
    m_grab = {};
    m_cursor.held = {};
    m_playStart.reset();
    m_openedDesign = m_level;
    m_editorHand = handOf(m_level);
    forgetHold();
    startClock();
    // The caption and the file a restart reads stay as they were.
    m_origin = {LevelOrigin::Kind::Design, {}, -1, {}, {}, false};
    outcome.palette = outcome.name = outcome.pointer = true;
    outcome.selectRow = -1;
    judgeAfresh(outcome);
    return outcome;
}

SessionOutcome GameSession::editLoaded()
{
    SessionOutcome outcome;
    if (!m_openedDesign) {
        m_editorHand = handOf(m_level);
    }
    setCommandState(CommandState::Designing, outcome);
    enterEditMode(m_level);
    if (!m_openedDesign) {
        m_openedDesign = m_level;
    }
    m_playStart.reset();
    // The level is a design from now on, not the file it came from.
    m_origin = {LevelOrigin::Kind::Design, {}, -1, {}, {}, false};
    outcome.palette = true;
    judgeChange(outcome);
    return outcome;
}

SessionOutcome GameSession::playLoaded()
{
    SessionOutcome outcome;
    const bool isFromEditor = m_level.mode == Mode::Edit;
    setCommandState(afterPlayStarts(m_state), outcome);
    enterPlayMode(m_level);
    // A cannon grabbed in the editor must not be dragged in play.
    m_grab = {};
    m_cursor.held = {};
    if (isFromEditor) {
        m_playStart = m_level;
    }
    outcome.palette = outcome.pointer = true;
    judgeChange(outcome);
    return outcome;
}

SessionOutcome GameSession::discardDesign()
{
    SessionOutcome outcome;
    m_openedDesign.reset();
    m_playStart.reset();
    m_origin = {};
    setCommandState(CommandState::NothingLoaded, outcome);
    m_level.palette.clear();
    outcome.palette = true;
    outcome.selectRow = -1;
    judgeChange(outcome);
    return outcome;
}

SessionOutcome GameSession::checkDesign() const
{
    // One without a lamp is no level, though it counts as finished.
    if (m_evaluation.verdict != Verdict::Solved) {
        return telling(SessionMessage::Kind::NotWorking);
    }
    // The player starts with the designer's pieces in the hand: a beam those
    // pieces kept off a bomb may hit it before the first move.
    if (isBombAtStart(m_level)) {
        return telling(SessionMessage::Kind::BombAtStart);
    }
    return {};
}

SessionOutcome GameSession::saveDesign(const fs::path& path, Consent consent)
{
    if (SessionOutcome refused = checkDesign(); refused.message) {
        return refused;
    }
    if (m_level.name.empty()) {
        SessionOutcome outcome = telling(SessionMessage::Kind::NameMissing);
        outcome.focusName = true;
        return outcome;
    }
    std::error_code error;
    if (consent == Consent::NotAsked && fs::exists(path, error)) {
        SessionOutcome outcome = asking(Question::ReplaceFile);
        outcome.questionFile = path;
        return outcome;
    }
    const auto saved =
        saveLevel(m_level, SaveLayout::Design, completionOf(m_evaluation.verdict), path);
    if (!saved.ok()) {
        return saveFailed(saved.error());
    }
    SessionOutcome outcome;
    m_openedDesign.reset();
    m_playStart.reset();
    setCommandState(CommandState::Playing, outcome);
    m_level.palette.clear();
    outcome.palette = true;
    judgeChange(outcome);
    return outcome;
}

SessionOutcome GameSession::testDesign()
{
    if (SessionOutcome refused = checkDesign(); refused.message) {
        return refused;
    }
    const auto path = playerFile(TestCopyFileName);
    if (!path.ok()) {
        return saveFailed(path.error());
    }
    const auto saved =
        saveLevel(m_level, SaveLayout::Design, completionOf(m_evaluation.verdict), path.value());
    if (!saved.ok()) {
        return saveFailed(saved.error());
    }
    SessionOutcome outcome;
    outcome.startCopyOn = path.value();
    return outcome;
}

Result<fs::path, FileError> GameSession::playerFile(const std::string& name) const
{
    // The per-user folder of an installed game may not exist yet.
    std::error_code error;
    fs::create_directories(m_folders.playerFolder, error);
    if (error) {
        return FileError{m_folders.playerFolder.string(), error.message()};
    }
    return m_folders.playerFolder / name;
}

Result<fs::path, FileError> GameSession::snapshotPath() const
{
    // The name is cleaned for both shared files, so that a level name
    // holding a path separator cannot place a file outside the player's folder.
    return playerFile(cleanFileName(m_level.name + "-facit.jpg"));
}

Level GameSession::positionToSave() const
{
    if (m_level.mode != Mode::Edit) {
        return m_level;
    }
    Level position = m_level;
    position.palette = m_openedDesign ? m_editorHand : handOf(prismora::newDesign());
    position.palette.resize(PlayRowCount, 0);
    return position;
}

SessionOutcome GameSession::savePosition()
{
    const auto path = playerFile(cleanFileName(m_level.name + "-facit.prl"));
    if (!path.ok()) {
        return saveFailed(path.error());
    }
    const Level position = positionToSave();
    const auto saved =
        saveLevel(position, SaveLayout::Position, completionOf(m_evaluation.verdict), path.value());
    if (!saved.ok()) {
        return positionSaveFailed(saved.error(), position);
    }
    SessionOutcome outcome;
    outcome.sharedFile = path.value();
    return outcome;
}

void GameSession::setName(std::string name) { m_level.name = std::move(name); }

SessionOutcome GameSession::quit(Consent consent)
{
    SessionOutcome outcome;
    if (consent == Consent::Given) {
        outcome.close = true;
        return outcome;
    }
    // The copy "Testa spel..." started leaves the player's own game alone.
    if (!m_evaluation.isFinished() && !m_isTestCopy) {
        return saveOnQuit();
    }
    if (isDesignChanged()) {
        return asking(Question::LeaveDesign);
    }
    outcome.close = true;
    return outcome;
}

SessionOutcome GameSession::endWithoutAsking()
{
    const bool isSomethingUnsaved = !m_evaluation.isFinished() || isDesignChanged();
    SessionOutcome outcome;
    if (isSomethingUnsaved && !m_isTestCopy) {
        outcome = saveOnQuit();
    }
    outcome.question = Question::None;
    outcome.close = true;
    return outcome;
}

SessionOutcome GameSession::saveOnQuit()
{
    const Level position = positionToSave();
    const Completion completion = completionOf(m_evaluation.verdict);
    auto path = playerFile(SavedGameFileName);
    const auto saved = path.ok()
                           ? saveLevel(position, SaveLayout::Position, completion, path.value())
                           : Result<void, FileError>(path.error());
    if (!saved.ok()) {
        SessionOutcome outcome = positionSaveFailed(saved.error(), position);
        outcome.question = Question::QuitWithoutSave;
        return outcome;
    }
    m_store.rememberSavedGame(
        savedGameRecord(contentHash(formatLevel(position, SaveLayout::Position, completion))));
    SessionOutcome outcome;
    outcome.close = true;
    return outcome;
}

SavedGameRecord GameSession::savedGameRecord(std::uint64_t fileHash) const
{
    SavedGameRecord record;
    record.fileHash = fileHash;
    if (m_level.mode == Mode::Edit && m_openedDesign) {
        record.isDesign = true;
        record.editorPalette = m_level.palette;
    } else if (m_origin.seriesIndex >= 0 && m_origin.seriesIndex < m_series.count()) {
        const std::string& file = m_series.files()[static_cast<std::size_t>(m_origin.seriesIndex)];
        record.seriesFileName = fs::path(file).filename().string();
        record.progressKey = m_origin.progressKey;
    }
    return record;
}

} // namespace prismora
