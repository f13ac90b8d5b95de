// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Building small levels by hand in the core tests.
#pragma once

#include "core/level.h"
#include "core/palette.h"

namespace prismora::testing {

inline Level playLevel()
{
    Level level;
    level.palette.assign(PlayRowCount, 0);
    return level;
}

inline int place(Level& level, PieceKind kind, int column, int row, int direction = 0)
{
    return *appendPiece(level, kind, column, row, static_cast<std::uint8_t>(direction));
}

inline int cannon(Level& level, int column, int row, int direction, std::int32_t colour)
{
    return *appendCannon(level, column, row, static_cast<std::uint8_t>(direction), colour);
}

} // namespace prismora::testing
