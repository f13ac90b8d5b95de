// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Helpers for pixel checks on rendered boards.
#pragma once

#include "core/evaluation.h"
#include "core/level.h"
#include "view/board_geometry.h"
#include "view/board_render.h"
#include "view/sprite_set.h"

#include <QImage>

#include <gtest/gtest.h>

namespace prismora::test {

inline const QRgb Silver = qRgb(0xC0, 0xC0, 0xC0);
inline const QRgb Grey = qRgb(0x80, 0x80, 0x80);
inline const QRgb Red = qRgb(0xFF, 0, 0);
inline const QRgb Green = qRgb(0, 0xFF, 0);
inline const QRgb Blue = qRgb(0, 0, 0xFF);

inline QImage render(const Level& level)
{
    return renderBoard(level, evaluate(level), standardSprites());
}

inline int place(Level& level, PieceKind kind, int column, int row, int direction = 0)
{
    return *appendPiece(level, kind, column, row, static_cast<std::uint8_t>(direction));
}

inline void cannon(Level& level, int column, int row, int direction, std::int32_t colour)
{
    appendCannon(level, column, row, static_cast<std::uint8_t>(direction), colour);
}

inline int spriteCorner(int cell) { return static_cast<int>(geometry::spriteCorner(cell)); }
inline int centre(int cell) { return static_cast<int>(geometry::cellCentre(cell)); }

// The same board rendered with piece `index` taken off (beams that pass the
// piece are unchanged by that): what the piece's white pixels must show.
inline QImage renderWithout(Level level, int index)
{
    level.pieces[static_cast<std::size_t>(index)].removed = true;
    return render(level);
}

// The 48 x 48 square of cell (column, row) must show sprite `sprite`, facing
// east, where it is not white, and `under` where it is.
inline void expectSpriteInCell(const QImage& image, const QImage& under, int column, int row,
                               int sprite)
{
    const Bitmap32& bitmap = standardSprites().bitmap(sprite);
    ASSERT_EQ(bitmap.width(), 48);
    const int left = spriteCorner(column);
    const int top = spriteCorner(row);
    int wrong = 0;
    for (int y = 0; y < 48; ++y) {
        for (int x = 0; x < 48; ++x) {
            const QRgb spritePixel = bitmap.pixel(x, y) | 0xFF000000u;
            const QRgb expected =
                spritePixel == 0xFFFFFFFFu ? under.pixel(left + x, top + y) : spritePixel;
            wrong += image.pixel(left + x, top + y) != expected ? 1 : 0;
        }
    }
    EXPECT_EQ(wrong, 0) << "sprite " << sprite << " in cell " << column << "," << row;
}

} // namespace prismora::test
