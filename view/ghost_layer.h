// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What the designer's workbench lays over the board: a solution's pieces as ghosts, and frames.
#pragma once

#include "core/level.h"
#include "graphics/bitmap_list.h"

#include <optional>
#include <vector>

class QPainter;

namespace prismora {

struct GhostLayer {
    // Drawn see-through in their cells and directions.
    std::vector<Piece> pieces;
    // Framed in dashes: where the solution shown differs from another.
    std::vector<Cell> differingCells;
    // Framed boldly: the element a failing measure names.
    std::optional<Cell> element;

    bool isEmpty() const { return pieces.empty() && differingCells.empty() && !element; }
};

// Paints `layer` in board pixels over the board; cells off the board are left out.
void paintGhostLayer(QPainter& painter, const GhostLayer& layer, const BitmapList& sprites);

} // namespace prismora
