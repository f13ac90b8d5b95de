// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The game session's held piece: turns, forgiving mode's put-down, counting moves and the solve.
#include "core/game_session.h"

namespace prismora {

Cell GameSession::cellOfRecord(const Level& level, const Grab& grab)
{
    if (!isLiveRecord(level, grab)) {
        return {0, 0};
    }
    if (grab.target == Grab::Target::Piece) {
        const Piece& piece = level.pieces[static_cast<std::size_t>(grab.index)];
        return {piece.column, piece.row};
    }
    return sourceCell(level, grab.index);
}

template <typename TurnChange> SessionOutcome GameSession::turnHeld(Grab target, TurnChange&& turn)
{
    // The board is shown again even when nothing turned: the status line's
    // bomb text gives way to the verdict.
    SessionOutcome outcome;
    outcome.board = true;
    if (m_turnHold && *m_turnHold != target && putDownHeld(outcome)) {
        return outcome;
    }
    const Level before = m_level;
    if (turn()) {
        ++m_moveCount;
        outcome.piece = {PieceEvent::Kind::Turned, cellOfRecord(m_level, target)};
        judgeChange(outcome, Hold::Held);
    }
    // A turn that leaves a bomb waiting opens an action: the turns of this
    // piece, and the restart if it is let go so, are one step to undo.
    if (m_isBombWaiting && !m_history.isActionOpen()) {
        m_history.beginAction(before);
        m_turnHold = target;
    }
    m_history.recordStep(before, m_level);
    return outcome;
}

SessionOutcome GameSession::turnGrabbed(Turn turn)
{
    return turnHeld(m_grab, [&] { return prismora::turnGrabbed(m_level, m_grab, turn); });
}

SessionOutcome GameSession::turnAtCursor(Turn turn)
{
    return turnHeld(recordAtCursor(m_level, m_cursor),
                    [&] { return prismora::turnAtCursor(m_level, m_cursor, turn); });
}

bool GameSession::putDownHeld(SessionOutcome& outcome)
{
    const bool wasTurnHeld = m_turnHold.has_value();
    m_turnHold.reset();
    if (m_isBombWaiting) {
        m_isBombWaiting = false;
        outcome.board = true;
        restartForBomb(outcome);
        return true;
    }
    if (wasTurnHeld) {
        m_history.finishAction(m_level);
    }
    return false;
}

void GameSession::forgetHold()
{
    m_turnHold.reset();
    m_isBombWaiting = false;
    m_isHoldCounted = false;
}

void GameSession::countHoldMove()
{
    if (!m_isHoldCounted) {
        ++m_moveCount;
        m_isHoldCounted = true;
    }
}

void GameSession::startClock()
{
    m_loadedAt = m_clock();
    m_moveCount = 0;
    m_isHoldCounted = false;
}

bool GameSession::hasNextLevel() const
{
    return m_level.mode == Mode::Play && m_origin.seriesIndex >= 0 &&
           m_origin.seriesIndex == m_series.index() && m_series.index() + 1 < m_series.count();
}

SolveReport GameSession::reportSolve()
{
    SolveReport report;
    report.moves = m_moveCount;
    report.milliseconds = (m_clock() - m_loadedAt).count();
    report.hasNextLevel = hasNextLevel();
    // A resumed game was partly played before it was saved: its moves and
    // time are not the whole solve.
    const std::string& key = m_origin.progressKey;
    if (key.empty() || m_origin.kind == LevelOrigin::Kind::ResumedGame) {
        return report;
    }
    report.isRecorded = true;
    report.previousRecord = m_store.levelRecord(key);
    const LevelRecord best =
        improvedRecord(report.previousRecord, report.moves, report.milliseconds);
    if (best != report.previousRecord) {
        m_store.keepLevelRecord(key, best);
    }
    return report;
}

} // namespace prismora
