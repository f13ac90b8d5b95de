// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What the player hears and sees after a move: sounds, the board's animations, the undo tip and
// the words after a solve.
#include "app/main_window.h"

#include "app/record_text.h"
#include "app/status_feedback.h"
#include "view/board_view.h"
#include "view/effect_painter.h"

#include <QTimer>

namespace prismora {

void MainWindow::showMoveFeedback(const SessionOutcome& outcome)
{
    if (outcome.board) {
        // A move ends what showed the position before it.
        m_boardView->stopEffects(EffectKind::BombFlash);
        m_nextLevelOffer->stop();
    }
    if (outcome.note == StatusNote::BombWarning) {
        // One pulse goes on through the steps of a drag.
        if (!m_boardView->hasEffect(EffectKind::BombWarning)) {
            m_boardView->startEffect({EffectKind::BombWarning, {0, 0}, {}, 0, {}});
        }
    } else if (outcome.board) {
        m_boardView->stopEffects(EffectKind::BombWarning);
    }
    if (outcome.explosion) {
        play(GameSound::Bomb);
        m_boardView->startEffect({EffectKind::BombFlash, {0, 0}, {}, 0, outcome.explosion});
        if (outcome.tellUndo) {
            m_feedback->showMessage(tr("Ctrl+Z tar tillbaka draget"));
        }
        return;
    }
    showPieceFeedback(outcome.piece);
    const Level& shown = m_session->level();
    for (const int lamp : outcome.litLamps) {
        const Piece& piece = shown.pieces[static_cast<std::size_t>(lamp)];
        m_boardView->startEffect(
            {EffectKind::LampGlow, {piece.column, piece.row}, lampLight(piece.kind), 0, {}});
    }
    if (outcome.solve) {
        showSolve(*outcome.solve);
    } else if (!outcome.litLamps.empty()) {
        play(GameSound::Lamp);
    }
}

void MainWindow::showPieceFeedback(const PieceEvent& event)
{
    switch (event.kind) {
    case PieceEvent::Kind::Taken:
        play(GameSound::Take);
        m_boardView->startEffect({EffectKind::PieceTaken, event.cell, {}, 0, {}});
        break;
    case PieceEvent::Kind::Turned:
        play(GameSound::Turn);
        break;
    case PieceEvent::Kind::PutDown:
        play(GameSound::Drop);
        m_boardView->startEffect({EffectKind::PieceDropped, event.cell, {}, 0, {}});
        break;
    case PieceEvent::Kind::GivenBack:
        play(GameSound::Drop);
        break;
    case PieceEvent::Kind::None:
        break;
    }
}

void MainWindow::showSolve(const SolveReport& report)
{
    play(GameSound::Solved);
    m_boardView->startEffect({EffectKind::Celebration, {0, 0}, {}, 0, {}});
    // Over the status line for a while; the verdict shows again after it.
    const QString result = solveText(report);
    if (!report.hasNextLevel) {
        m_feedback->showMessage(result);
        return;
    }
    m_feedback->showLines(result, tr("Nästa bana: Enter"));
    m_nextLevelOffer->start(StatusFeedback::ShownMilliseconds);
}

bool MainWindow::takeOfferedNextLevel()
{
    if (!m_nextLevelOffer->isActive() || m_session->isCarrying()) {
        return false;
    }
    m_nextLevelOffer->stop();
    goToNextLevel();
    return true;
}

} // namespace prismora
