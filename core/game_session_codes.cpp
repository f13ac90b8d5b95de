// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The game session's levels that come without a file: generated ones, decoded ones, and sharing.
#include "core/game_session.h"

#include "core/level_code.h"

namespace prismora {

SessionOutcome GameSession::openGenerated(GeneratedLevel generated, PuzzleKind kind,
                                          Consent consent)
{
    SessionOutcome outcome;
    if (mustAskBeforeLeaving(consent)) {
        outcome.question = Question::LeaveDesign;
        return outcome;
    }
    const bool isDaily = kind == PuzzleKind::Daily;
    GeneratedRecord record{generated.code, encodeLevelCode(generated.level), generated.level.name,
                           isDaily, false};
    takeCodedLevel(std::move(generated.level),
                   {LevelOrigin::Kind::Generated, {}, -1, {}, generated.code, isDaily}, outcome);
    m_generated = std::move(record);
    m_store.rememberGenerated(*m_generated);
    // The store keeps a solve from before; so does the record from now on.
    for (const GeneratedRecord& kept : m_store.generatedLevels()) {
        if (kept.seedCode == m_generated->seedCode) {
            m_generated->isSolved = kept.isSolved;
        }
    }
    recordProgress();
    return outcome;
}

SessionOutcome GameSession::openCoded(Level level, std::string code, Consent consent)
{
    SessionOutcome outcome;
    if (mustAskBeforeLeaving(consent)) {
        outcome.question = Question::LeaveDesign;
        return outcome;
    }
    takeCodedLevel(std::move(level), {LevelOrigin::Kind::Code, {}, -1, {}, std::move(code), false},
                   outcome);
    return outcome;
}

void GameSession::takeCodedLevel(Level level, LevelOrigin origin, SessionOutcome& outcome)
{
    setCommandState(CommandState::Playing, outcome);
    m_history.finishAction(m_level);
    m_history.clear();
    takeLoadedLevel(std::move(level), {}, std::move(origin));
    m_loadedHash = 0;
    // With no file to read again, the level as it came is what a bomb or a
    // restart goes back to.
    m_playStart = m_level;
    outcome.palette = outcome.name = outcome.loaded = outcome.pointer = true;
    outcome.selectRow = -1;
    judgeAfresh(outcome);
}

void GameSession::recordGeneratedSolve()
{
    if (m_origin.kind != LevelOrigin::Kind::Generated || !m_generated || m_generated->isSolved ||
        m_level.mode != Mode::Play || m_evaluation.verdict != Verdict::Solved) {
        return;
    }
    m_generated->isSolved = true;
    m_store.rememberGenerated(*m_generated);
}

SharedLevel GameSession::sharedLevel() const
{
    const Completion completion = completionOf(m_evaluation.verdict);
    if (m_level.mode == Mode::Edit) {
        return {m_level, SaveLayout::Design, completion};
    }
    return {positionToSave(), SaveLayout::Position, completion};
}

} // namespace prismora
