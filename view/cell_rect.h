// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A cell of the board as a rectangle in board pixels, for what is drawn over cells.
#pragma once

#include "view/board_geometry.h"

#include <QRect>

namespace prismora {

// The 49 x 49 pixels between the cell's grid lines.
inline QRect cellInterior(std::int64_t column, std::int64_t row)
{
    using namespace geometry;
    return {static_cast<int>(cellTopLeft(column)) + 1, static_cast<int>(cellTopLeft(row)) + 1,
            CellSize - 1, CellSize - 1};
}

} // namespace prismora
