// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The board in pixels: cells, centres, sprite corners and the squares the pointer picks records in.
// Painting and pointer input both use it, so they never disagree. Header-only and free of Qt:
// the command line reports beams in board pixels too.
#pragma once

#include "core/pointer_cell.h"

#include <cstdint>

namespace prismora::geometry {

// 9 x 9 cells 50 pixels apart, grid lines at 0, 50, ..., 450.
inline constexpr int CellSize = 50;
inline constexpr int BoardPixels = 451;
inline constexpr int GridLength = 450;
inline constexpr int SpriteSize = 48;

// Centre of a cell (the end point of beam segments), cells counted from 1.
constexpr std::int64_t cellCentre(std::int64_t cell) { return cell * CellSize - 24; }

// The pixel where a cell begins, just past its left (or top) grid line's
// start: cells counted from 1, so cell 1 begins at 0.
constexpr std::int64_t cellTopLeft(std::int64_t cell) { return (cell - 1) * CellSize; }

// Top-left corner of a record's 48 x 48 sprite.
constexpr std::int64_t spriteCorner(std::int64_t cell) { return cell * CellSize - SpriteSize; }

// The cell a pixel lies in, rounding down, so that all four edges of the
// board act alike: pixel -1 lies in cell 0, pixel 450 in cell 10.
constexpr std::int64_t cellAtPixel(std::int64_t pixel)
{
    const std::int64_t below =
        pixel >= 0 ? pixel / CellSize : -((-pixel + CellSize - 1) / CellSize);
    return below + 1;
}

// True when the pixel lies in the 42 x 42 square of its cell that picks up
// the record standing there: 2 to 43 pixels past the cell's left and top
// grid lines, the top-left part of the record's sprite.
constexpr bool isInPickSquare(std::int64_t x, std::int64_t y)
{
    const auto offset = [](std::int64_t pixel) { return pixel - cellTopLeft(cellAtPixel(pixel)); };
    const std::int64_t dx = offset(x);
    const std::int64_t dy = offset(y);
    return dx >= 2 && dx < 44 && dy >= 2 && dy < 44;
}

// The cell under a pixel of the board and whether it picks up what stands there.
constexpr PointerCell pointerCellAt(std::int64_t x, std::int64_t y)
{
    return {cellAtPixel(x), cellAtPixel(y), isInPickSquare(x, y)};
}

} // namespace prismora::geometry
