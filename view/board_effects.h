// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The board's short animations as values: which effect, where, since when, and how it looks at a
// moment.
#pragma once

#include "core/level.h"
#include "core/session_outcome.h"

#include <QColor>

#include <cstdint>
#include <memory>
#include <vector>

namespace prismora {

enum class EffectKind {
    LampGlow,     // a lamp that lit glows and fades
    BombFlash,    // the position that set a bomb off, its bomb flashing, before the restart shows
    BombWarning,  // a bomb a held piece's beam reaches pulses, until taken away
    PieceTaken,   // a frame round a piece taken up
    PieceDropped, // a ring closing on a piece put down
    Celebration,  // a solved level: every lit lamp pulses and the beams shimmer
};

struct BoardEffect {
    EffectKind kind = EffectKind::LampGlow;
    Cell cell{0, 0};                            // LampGlow, PieceTaken, PieceDropped
    QColor colour;                              // LampGlow: the lamp's light
    std::int64_t startedAt = 0;                 // on the view's clock, in milliseconds
    std::shared_ptr<const Explosion> explosion; // BombFlash
};

// How long each kind lasts, in milliseconds; BombWarning lasts until removed.
std::int64_t effectDuration(EffectKind kind);

// What an effect looks like `elapsed` milliseconds after it began. A pure
// function of the time, so it is tested without waiting.
struct EffectLook {
    bool isLive = false; // false before it begins and once it is over
    double strength = 0; // 0..1: how strongly it shows now
    double phase = 0;    // 0..1: the way through its current pulse or shimmer
};
EffectLook effectLook(EffectKind kind, std::int64_t elapsed);

// The effects on show. Each keeps its own start; one timer drives them all.
class BoardEffects {
public:
    void add(BoardEffect effect);
    void removeKind(EffectKind kind);
    void clear() { m_effects.clear(); }
    // Forgets the effects that are over at `now`; true while any is live.
    bool prune(std::int64_t now);
    bool isEmpty() const { return m_effects.empty(); }
    bool has(EffectKind kind) const;
    const std::vector<BoardEffect>& effects() const { return m_effects; }
    // The position a live bomb flash shows instead of the board; null for none.
    const Explosion* explosionShown() const;

private:
    std::vector<BoardEffect> m_effects;
};

} // namespace prismora
