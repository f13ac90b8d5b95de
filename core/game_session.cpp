// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The game session's moves on the board: pointer, keys, palette, undo, and judging each change.
#include "core/game_session.h"

#include "core/level_file.h"

#include <algorithm>
#include <limits>

namespace prismora {
namespace {

// A cell number as a record stores it; a pointer far outside the board (a
// drag that left the window) stays far outside.
std::int32_t recordCell(std::int64_t cell)
{
    constexpr std::int64_t low = std::numeric_limits<std::int32_t>::min();
    constexpr std::int64_t high = std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(std::clamp(cell, low, high));
}

} // namespace

GameSession::GameSession(SessionFolders folders, SessionStore& store, SessionClock clock)
    : m_folders(std::move(folders)), m_store(store),
      m_series(listSeriesFiles(m_folders.seriesFolder)), m_clock(std::move(clock))
{
    if (!m_clock) {
        m_clock = [] {
            return std::chrono::duration_cast<std::chrono::milliseconds>(
                std::chrono::steady_clock::now().time_since_epoch());
        };
    }
    m_level.name = InitialLevelName;
    m_evaluation = evaluate(m_level);
}

bool GameSession::isCarrying() const { return !heldRecord(m_level, m_cursor).isNothing(); }

bool GameSession::canRestart() const
{
    return m_level.mode == Mode::Play && (m_playStart || !m_loadedFile.empty()) &&
           m_state != CommandState::NothingLoaded;
}

bool GameSession::canHint() const
{
    return m_level.mode == Mode::Play && m_state != CommandState::NothingLoaded;
}

void GameSession::judgeChange(SessionOutcome& outcome, Hold hold)
{
    const std::vector<PieceLight> lightsBefore = m_evaluation.pieces;
    const Verdict verdictBefore = m_evaluation.verdict;
    // What an output last carried is carried over from the position before
    // the change (an inverter fed a colour it cannot change passes on the
    // colour its output had).
    reevaluate(m_level, m_evaluation);
    outcome.board = true;
    m_isBombWaiting = false;
    if (m_level.mode == Mode::Play && needsRestart(m_evaluation)) {
        if (hold == Hold::Held && m_forgiving == ForgivingMode::On) {
            // The piece is still in the player's hand: only a warning.
            m_isBombWaiting = true;
            outcome.note = StatusNote::BombWarning;
            return;
        }
        restartForBomb(outcome);
    } else {
        noteLampsAndSolve(lightsBefore, verdictBefore, outcome);
    }
    recordProgress();
}

void GameSession::restartForBomb(SessionOutcome& outcome)
{
    outcome.explosion = std::make_shared<const Explosion>(Explosion{m_level, m_evaluation});
    // The restart belongs to the action that set the bomb off, so undo
    // brings back the position before it; what was carried is gone.
    if (restartAfterBomb()) {
        outcome.palette = true;
        outcome.pointer = true;
    }
    m_history.finishAction(m_level);
    m_cursor.held = {};
    m_turnHold.reset();
    m_isHoldCounted = false;
    outcome.note = StatusNote::Bomb;
    if (m_forgiving == ForgivingMode::Off && !m_hasToldUndo) {
        m_hasToldUndo = true;
        outcome.tellUndo = true;
    }
}

void GameSession::noteLampsAndSolve(const std::vector<PieceLight>& lightsBefore,
                                    Verdict verdictBefore, SessionOutcome& outcome)
{
    for (std::size_t i = 0; i < m_evaluation.pieces.size(); ++i) {
        if (m_evaluation.pieces[i].lit && (i >= lightsBefore.size() || !lightsBefore[i].lit)) {
            outcome.litLamps.push_back(static_cast<int>(i));
        }
    }
    if (m_level.mode == Mode::Play && verdictBefore != Verdict::Solved &&
        m_evaluation.verdict == Verdict::Solved) {
        outcome.solve = reportSolve();
    }
}

void GameSession::judgeAfresh(SessionOutcome& outcome)
{
    // A position that was not reached by a move (loaded, restored, restarted)
    // starts with fresh outputs. If it hits a bomb it is shown with the bomb
    // text and not started over: that would only bring it back.
    m_evaluation = evaluate(m_level);
    outcome.board = true;
    if (m_evaluation.verdict == Verdict::Bomb) {
        outcome.note = StatusNote::Bomb;
    }
    recordProgress();
}

bool GameSession::restartAfterBomb()
{
    // Once only: a restarted position that itself sends a beam into a bomb
    // is shown with the bomb text and not restarted again. A file that has
    // gone leaves the board as it is.
    if (!readRestartSource()) {
        return false;
    }
    m_evaluation = evaluate(m_level);
    m_grab = {};
    return true;
}

bool GameSession::readRestartSource()
{
    if (m_playStart) {
        m_level = *m_playStart;
        return true;
    }
    if (m_loadedFile.empty()) {
        return false;
    }
    auto loaded = loadLevel(m_loadedFile);
    if (!loaded.ok() || !loaded.value().holdsLevel) {
        return false;
    }
    // The name field keeps what the player typed; a restart is a position.
    std::string name = std::move(m_level.name);
    m_level = std::move(loaded.value().level);
    m_level.name = std::move(name);
    return true;
}

void GameSession::recordProgress()
{
    if (!m_origin.progressKey.empty() && m_level.mode == Mode::Play &&
        m_evaluation.verdict == Verdict::Solved && !m_store.isSolved(m_origin.progressKey)) {
        m_store.markSolved(m_origin.progressKey);
    }
    recordGeneratedSolve();
}

template <typename Change> SessionOutcome GameSession::step(Change&& change)
{
    const Level before = m_level;
    SessionOutcome outcome = change();
    m_history.recordStep(before, m_level);
    return outcome;
}

void GameSession::hoverAt(PointerCell at, SessionOutcome& outcome)
{
    const Grab before = m_grab;
    m_grab = at.inPickSquare ? findGrabbable(m_level, at.column, at.row) : Grab{};
    outcome.pointer = true;
    const int row = paletteRowOf(m_level, m_grab);
    if (row >= 0 && row < static_cast<int>(m_level.palette.size())) {
        outcome.selectRow = row;
    }
    // The pointer moving off the piece just turned lets go of it.
    if (m_turnHold && m_grab != before) {
        putDownHeld(outcome);
    }
}

SessionOutcome GameSession::movePointer(PointerCell at, PointerMove move)
{
    m_pointer = at;
    SessionOutcome outcome;
    if (move == PointerMove::Drag && isLiveRecord(m_level, m_grab)) {
        // The grabbed record follows the cell under the pointer, anywhere,
        // also past the board's edges while the button is held. The whole
        // drag, to the release, is one undo step (within a carry by the keys,
        // part of the carry's; after turns that wait on a bomb, part of theirs).
        if (m_turnHold) {
            m_turnHold.reset();
            m_isDragging = true;
        } else if (!m_history.isActionOpen()) {
            m_history.beginAction(m_level);
            m_isDragging = true;
        }
        if (moveGrabbed(m_level, m_grab, recordCell(at.column), recordCell(at.row))) {
            if (!m_isHoldCounted) {
                outcome.piece = {PieceEvent::Kind::Taken, cellOfRecord(m_level, m_grab)};
            }
            countHoldMove();
            judgeChange(outcome, Hold::Held);
        }
        return outcome;
    }
    hoverAt(at, outcome);
    return outcome;
}

void GameSession::leavePointer() { m_pointer.reset(); }

SessionOutcome GameSession::releasePointer()
{
    const Cell at = cellOfRecord(m_level, m_grab);
    const bool hasDragMoved = m_isDragging && m_isHoldCounted;
    // The drop ends the drag's step, or is a step of its own.
    SessionOutcome outcome = step([&] {
        SessionOutcome dropped;
        if (dropGrabbed(m_level, m_grab)) {
            dropped.palette = true;
            dropped.piece = {PieceEvent::Kind::GivenBack, at};
            judgeChange(dropped);
        }
        return dropped;
    });
    if (m_isDragging) {
        // Letting go puts the piece down: a bomb it waited on goes off now.
        putDownHeld(outcome);
        m_history.finishAction(m_level);
        m_isDragging = false;
        m_isHoldCounted = false;
        if (hasDragMoved && outcome.piece.kind == PieceEvent::Kind::None && !outcome.explosion) {
            outcome.piece = {PieceEvent::Kind::PutDown, at};
        }
    }
    return outcome;
}

SessionOutcome GameSession::takeFromPalette(int row)
{
    if (SessionOutcome putDown; putDownHeld(putDown)) {
        return putDown;
    }
    return step([&] {
        SessionOutcome outcome;
        const Take take = prismora::takeFromPalette(m_level, row);
        if (take.result == TakeResult::Taken) {
            outcome.palette = true;
            outcome.piece = {PieceEvent::Kind::Taken, cellOfRecord(m_level, take.record)};
            judgeChange(outcome);
        } else if (take.result == TakeResult::BoardFull) {
            outcome.note = StatusNote::BoardFull;
        }
        return outcome;
    });
}

SessionOutcome GameSession::moveCursor(int columnStep, int rowStep)
{
    // A carry is one undo step, as a drag is: from the pick-up to the
    // put-down or the drop past an edge.
    const bool wasCarrying = isCarrying();
    SessionOutcome outcome;
    if (!wasCarrying && putDownHeld(outcome)) {
        return outcome; // the frame left the piece just turned
    }
    if (wasCarrying) {
        m_history.beginAction(m_level);
    }
    const Cell from = cellOfRecord(m_level, heldRecord(m_level, m_cursor));
    if (prismora::moveCursor(m_level, m_cursor, columnStep, rowStep)) {
        outcome.palette = true;
        countHoldMove();
        const bool isStillCarried = isCarrying();
        if (!isStillCarried) {
            outcome.piece = {PieceEvent::Kind::GivenBack, from};
        }
        judgeChange(outcome, isStillCarried ? Hold::Held : Hold::Released);
    }
    if (wasCarrying && !isCarrying()) {
        m_history.finishAction(m_level);
        m_isHoldCounted = false;
    }
    return outcome;
}

SessionOutcome GameSession::pickUpOrPutDown()
{
    SessionOutcome outcome;
    if (!isCarrying() && m_turnHold && *m_turnHold != recordAtCursor(m_level, m_cursor) &&
        putDownHeld(outcome)) {
        return outcome;
    }
    switch (prismora::pickUpOrPutDown(m_level, m_cursor)) {
    case HoldChange::PickedUp:
        // Picking up the piece just turned carries on its open action.
        m_turnHold.reset();
        m_history.beginAction(m_level);
        outcome.piece = {PieceEvent::Kind::Taken, cellOfRecord(m_level, m_cursor.held)};
        if (const int row = paletteRowOf(m_level, m_cursor.held);
            row >= 0 && row < static_cast<int>(m_level.palette.size())) {
            outcome.selectRow = row;
        }
        break;
    case HoldChange::PutDown:
        if (!putDownHeld(outcome)) {
            outcome.piece = {PieceEvent::Kind::PutDown, Cell{m_cursor.column, m_cursor.row}};
        }
        m_history.finishAction(m_level);
        m_isHoldCounted = false;
        break;
    case HoldChange::Nothing:
        break;
    }
    return outcome;
}

SessionOutcome GameSession::giveBackAtCursor()
{
    const bool wasCarrying = isCarrying();
    const Grab target = recordAtCursor(m_level, m_cursor);
    // Giving back the piece held is no put-down; giving back another is.
    const bool isHeldOne = wasCarrying || (m_turnHold && *m_turnHold == target);
    if (SessionOutcome putDown; !isHeldOne && putDownHeld(putDown)) {
        return putDown;
    }
    const Cell at = cellOfRecord(m_level, target);
    const bool isCounted = wasCarrying && m_isHoldCounted;
    SessionOutcome outcome = step([&] {
        SessionOutcome given;
        if (prismora::giveBackAtCursor(m_level, m_cursor)) {
            given.palette = true;
            given.piece = {PieceEvent::Kind::GivenBack, at};
            if (!isCounted) {
                ++m_moveCount;
            }
            judgeChange(given);
        }
        return given;
    });
    if (wasCarrying || m_turnHold) {
        m_turnHold.reset();
        m_history.finishAction(m_level);
        m_isHoldCounted = false;
    }
    return outcome;
}

SessionOutcome GameSession::takeIntoHand(int row)
{
    // A digit first puts down what the keys carry (or what was just turned);
    // taking is one step, and carrying the new piece from the top-left cell
    // the next.
    const bool wasCarrying = isCarrying();
    m_cursor.held = {};
    if (SessionOutcome putDown; putDownHeld(putDown)) {
        return putDown;
    }
    if (wasCarrying) {
        m_history.finishAction(m_level);
        m_isHoldCounted = false;
    }
    SessionOutcome outcome = step([&] {
        SessionOutcome taken;
        const TakeResult result = prismora::takeIntoHand(m_level, m_cursor, row);
        if (result == TakeResult::Taken) {
            taken.palette = true;
            taken.piece = {PieceEvent::Kind::Taken, Cell{m_cursor.column, m_cursor.row}};
            judgeChange(taken);
        } else if (result == TakeResult::BoardFull) {
            taken.note = StatusNote::BoardFull;
        }
        return taken;
    });
    if (row >= 0 && row < static_cast<int>(m_level.palette.size())) {
        outcome.selectRow = row;
    }
    if (isCarrying()) {
        m_history.beginAction(m_level);
    }
    return outcome;
}

SessionOutcome GameSession::undo()
{
    std::optional<Level> previous = m_history.undo(m_level);
    return previous ? restored(std::move(*previous)) : SessionOutcome{};
}

SessionOutcome GameSession::redo()
{
    std::optional<Level> next = m_history.redo(m_level);
    return next ? restored(std::move(*next)) : SessionOutcome{};
}

SessionOutcome GameSession::restored(Level level)
{
    // Evaluated afresh, as after a load: what an output last carried belongs
    // to the position left behind. A position that hits a bomb is shown with
    // the bomb text and not restarted.
    m_level = std::move(level);
    m_cursor.held = {};
    forgetHold();
    SessionOutcome outcome;
    outcome.palette = true;
    judgeAfresh(outcome);
    // What lies under a pointer that has not moved is ready to be turned.
    if (m_pointer) {
        hoverAt(*m_pointer, outcome);
    } else {
        m_grab = {};
        outcome.pointer = true;
    }
    return outcome;
}

SessionOutcome GameSession::restart()
{
    if (!canRestart()) {
        return {};
    }
    // A drag or carry in progress ends before the restart, which is a step
    // of its own.
    m_history.finishAction(m_level);
    m_cursor.held = {};
    forgetHold();
    // Starting over is a new try: its moves and time count afresh.
    startClock();
    return step([&] {
        SessionOutcome outcome;
        if (readRestartSource()) {
            m_grab = {};
            outcome.palette = true;
            outcome.pointer = true;
            judgeAfresh(outcome);
        }
        return outcome;
    });
}

} // namespace prismora
