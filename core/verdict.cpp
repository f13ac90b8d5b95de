// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Judging a position and the status line's texts.
#include "core/verdict.h"

namespace prismora {

Verdict judge(bool bombHit, int litLamps, int unlitLamps)
{
    if (bombHit) {
        return Verdict::Bomb;
    }
    if (unlitLamps >= 1) {
        return Verdict::LampsLeft;
    }
    return litLamps >= 1 ? Verdict::Solved : Verdict::NoLamps;
}

std::string statusText(Verdict verdict, int unlitLamps)
{
    switch (verdict) {
    case Verdict::Bomb:
        return BombText;
    case Verdict::LampsLeft:
        return std::to_string(unlitLamps) + LampsLeftSuffix;
    case Verdict::Solved:
        return SolvedText;
    case Verdict::NoLamps:
        return NoLampsText;
    }
    return {};
}

} // namespace prismora
