// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A full board for benchmarks: 99 pieces and 51 beam sources with long beams.
#pragma once

#include "core/level.h"
#include "core/palette.h"

#include <random>

namespace prismora::bench {

// Every cell of the board holds at most one piece; double mirrors turned to
// diagonals dominate so that beams bounce across the board many times. A few
// splitters own outputs; cannons firing in from the border rows and columns
// outside the grid fill the rest of the emitter table. Fixed seed.
inline Level fullBoard(unsigned seed = 20261208)
{
    Level board;
    board.palette.assign(PlayRowCount, 0);
    std::mt19937 random(seed);
    const PieceKind splitters[] = {PieceKind::TCoupling, PieceKind::TCoupling2,
                                   PieceKind::YCoupling, PieceKind::Inverter};
    int cell = 0;
    int splitterCount = 0;
    while (static_cast<int>(board.pieces.size()) < Level::MaxPieces - 1) {
        const int column = cell % 9 + 1;
        const int row = (cell / 9) % 9 + 1;
        ++cell;
        const auto direction = static_cast<std::uint8_t>(random() % 8);
        PieceKind kind = PieceKind::DoubleMirror;
        if (splitterCount < 8 && random() % 10 == 0) {
            kind = splitters[splitterCount++ % 4];
        } else if (random() % 8 == 0) {
            kind = PieceKind::WhiteLamp;
        }
        appendPiece(board, kind, column, row, static_cast<std::uint8_t>(direction | 1));
    }
    const std::int32_t colors[] = {RedBeam, GreenBeam, BlueBeam};
    for (int i = 0; static_cast<int>(board.sources.size()) < Level::CannonIndexLimit; ++i) {
        const int along = i % 9 + 1;
        switch (i % 4) {
        case 0:
            appendCannon(board, 0, along, 0, colors[i % 3]);
            break;
        case 1:
            appendCannon(board, along, 0, 6, colors[i % 3]);
            break;
        case 2:
            appendCannon(board, 10, along, 4, colors[i % 3]);
            break;
        default:
            appendCannon(board, along, 10, 2, colors[i % 3]);
            break;
        }
    }
    // Cannons may not take the last source index; a last splitter does.
    appendPiece(board, PieceKind::YCoupling, 5, 5, 3);
    return board;
}

} // namespace prismora::bench
