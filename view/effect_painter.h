// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Drawing the board's animations over the plainly painted board.
#pragma once

#include "core/evaluation.h"
#include "core/level.h"
#include "view/board_effects.h"

#include <cstdint>
#include <vector>

class QPainter;

namespace prismora {

// Draws every live effect at `now` over a board painted from `level` and
// `evaluation` (for a bomb flash, the position it shows), in board pixels.
void paintEffects(QPainter& painter, const BoardEffects& effects, std::int64_t now,
                  const Level& level, const Evaluation& evaluation);

// The cells of the bombs a beam runs into (a beam ends in the bomb's cell).
std::vector<Cell> bombsHit(const Level& level, const Evaluation& evaluation);

// The colour a lamp of `kind` shines in: its beam's colour, white for a white lamp.
QColor lampLight(PieceKind kind);

} // namespace prismora
