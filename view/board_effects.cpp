// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The timing of the board's animations and the list of those on show.
#include "view/board_effects.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace prismora {
namespace {

constexpr std::int64_t Endless = -1;

// 0 at the start and end of each `period`, 1 half-way.
double pulse(std::int64_t elapsed, std::int64_t period)
{
    const double turns = static_cast<double>(elapsed % period) / static_cast<double>(period);
    return 0.5 - 0.5 * std::cos(2 * std::numbers::pi * turns);
}

} // namespace

std::int64_t effectDuration(EffectKind kind)
{
    switch (kind) {
    case EffectKind::LampGlow:
        return 700;
    case EffectKind::BombFlash:
        return 600;
    case EffectKind::BombWarning:
        return Endless;
    case EffectKind::PieceTaken:
        return 250;
    case EffectKind::PieceDropped:
        return 300;
    case EffectKind::Celebration:
        return 1000;
    }
    return 0;
}

EffectLook effectLook(EffectKind kind, std::int64_t elapsed)
{
    const std::int64_t duration = effectDuration(kind);
    if (elapsed < 0 || (duration != Endless && elapsed >= duration)) {
        return {};
    }
    const double t =
        duration == Endless ? 0.0 : static_cast<double>(elapsed) / static_cast<double>(duration);
    EffectLook look{true, 0.0, t};
    switch (kind) {
    case EffectKind::LampGlow:
        // A quick rise, then a fall that slows as it goes.
        look.strength = t < 0.1 ? t / 0.1 : std::pow((1 - t) / 0.9, 2);
        break;
    case EffectKind::BombFlash:
        look.strength = pulse(elapsed, 200); // three flashes
        break;
    case EffectKind::BombWarning:
        look.strength = pulse(elapsed, 700);
        look.phase = static_cast<double>(elapsed % 700) / 700.0;
        break;
    case EffectKind::PieceTaken:
    case EffectKind::PieceDropped:
        look.strength = 1 - t;
        break;
    case EffectKind::Celebration:
        // Two pulses of the lamps inside one swell; the shimmer runs twice
        // along the beams.
        look.strength = std::sin(std::numbers::pi * t) * pulse(elapsed, 500);
        look.phase = std::fmod(2 * t, 1.0);
        break;
    }
    return look;
}

void BoardEffects::add(BoardEffect effect)
{
    // One of a kind on a cell: a new glow of the same lamp starts it afresh.
    std::erase_if(m_effects, [&effect](const BoardEffect& shown) {
        return shown.kind == effect.kind && shown.cell.column == effect.cell.column &&
               shown.cell.row == effect.cell.row;
    });
    m_effects.push_back(std::move(effect));
}

void BoardEffects::removeKind(EffectKind kind)
{
    std::erase_if(m_effects, [kind](const BoardEffect& effect) { return effect.kind == kind; });
}

bool BoardEffects::prune(std::int64_t now)
{
    std::erase_if(m_effects, [now](const BoardEffect& effect) {
        return !effectLook(effect.kind, now - effect.startedAt).isLive;
    });
    return !m_effects.empty();
}

bool BoardEffects::has(EffectKind kind) const
{
    return std::any_of(m_effects.begin(), m_effects.end(),
                       [kind](const BoardEffect& effect) { return effect.kind == kind; });
}

const Explosion* BoardEffects::explosionShown() const
{
    const auto flash = std::find_if(m_effects.begin(), m_effects.end(), [](const BoardEffect& e) {
        return e.kind == EffectKind::BombFlash && e.explosion;
    });
    return flash == m_effects.end() ? nullptr : flash->explosion.get();
}

} // namespace prismora
