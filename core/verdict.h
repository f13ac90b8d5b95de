// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The verdict on a traced position: a bomb, lamps left, solved, or no lamps at all.
#pragma once

#include <string>

namespace prismora {

enum class Verdict {
    Bomb,      // a beam reached a bomb in play: the level starts over
    LampsLeft, // at least one lamp is dark
    Solved,    // every lamp is lit
    NoLamps,   // the board holds no lamp (counts as finished)
};

// The first that applies: a bomb hit (only ever reported in play), a dark
// lamp, a lit lamp (all lit), no lamp at all.
Verdict judge(bool bombHit, int litLamps, int unlitLamps);

// Solved and NoLamps both count as finished: "Avsluta" saves nothing. A design
// is saved or tested only when Solved: one without a lamp is no level.
inline bool isFinished(Verdict verdict)
{
    return verdict == Verdict::Solved || verdict == Verdict::NoLamps;
}

// The status line's text: the bomb text, "<n> lampor kvar att tända", the
// congratulation, or "Ingen level laddad".
std::string statusText(Verdict verdict, int unlitLamps);

inline constexpr const char* BombText = "BOOOOOOM bara att börja om...";
inline constexpr const char* SolvedText = "Grattis! Du klarade det :)";
inline constexpr const char* NoLampsText = "Ingen level laddad";
inline constexpr const char* LampsLeftSuffix = " lampor kvar att tända";

} // namespace prismora
