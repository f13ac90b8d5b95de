// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The board control's animations: the effects on show, their one timer and their clock.
#include "view/board_view.h"

#include "view/effect_painter.h"

#include <QPainter>

#include <chrono>

namespace prismora {
namespace {

// About one frame of a 60 Hz screen.
constexpr int FrameMilliseconds = 16;

std::int64_t steadyMilliseconds()
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

} // namespace

void BoardView::setUpEffects()
{
    m_effectClock = steadyMilliseconds;
    m_effectTimer.setInterval(FrameMilliseconds);
    connect(&m_effectTimer, &QTimer::timeout, this, &BoardView::advanceEffects);
}

void BoardView::setAnimations(Animations animations)
{
    m_animations = animations;
    if (animations == Animations::Off && !m_effects.isEmpty()) {
        m_effects.clear();
        m_effectTimer.stop();
        update();
    }
}

void BoardView::startEffect(BoardEffect effect)
{
    if (m_animations == Animations::Off) {
        return;
    }
    effect.startedAt = m_effectClock();
    m_effects.add(std::move(effect));
    if (!m_effectTimer.isActive()) {
        m_effectTimer.start();
    }
    update();
}

void BoardView::stopEffects(EffectKind kind)
{
    if (m_effects.isEmpty()) {
        return;
    }
    m_effects.removeKind(kind);
    if (m_effects.isEmpty()) {
        m_effectTimer.stop();
    }
    update();
}

void BoardView::setEffectClock(std::function<std::int64_t()> clock)
{
    m_effectClock = std::move(clock);
}

void BoardView::advanceEffects()
{
    // The paint after the last effect ends is the plain board.
    if (!m_effects.prune(m_effectClock())) {
        m_effectTimer.stop();
    }
    update();
}

void BoardView::paintEffectsOver(QPainter& painter)
{
    if (m_effects.isEmpty()) {
        return;
    }
    const ShownBoard board = boardToPaint();
    paintEffects(painter, m_effects, m_effectClock(), board.level, board.evaluation);
}

BoardView::ShownBoard BoardView::boardToPaint() const
{
    static const Level noLevel;
    static const Evaluation nothingTraced;
    if (const Explosion* exploded = m_effects.explosionShown()) {
        return {exploded->level, exploded->evaluation};
    }
    if (m_level != nullptr && m_evaluation != nullptr) {
        return {*m_level, *m_evaluation};
    }
    return {noLevel, nothingTraced};
}

} // namespace prismora
