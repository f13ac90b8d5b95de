// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A level written as nine rows of cell tokens, and the game it builds.
#pragma once

#include "core/level.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace prismora {

// Each row holds nine tokens of two characters separated by blanks:
//   ..          empty cell
//   r0 g2 b4    red, green, blue cannon firing in direction 0..7
//   *R *G *B *W red, green, blue, white lamp
//   ## @@       obstacle, bomb
//   O2          one-way piece passing direction 2
//   M3 D1 X0 T4 U6 I0 Y4
//               mirror, double mirror, cross, T-coupling, T-coupling 2,
//               inverter, Y-coupling with their direction: the designer's
//               solution; the player finds these pieces in the palette.
// Directions count counter-clockwise from east: 0 E, 1 NE, 2 N, 3 NW, 4 W,
// 5 SW, 6 S, 7 SE.
struct LevelDesign {
    std::string_view name;
    // What the level brings that the ones before did not.
    std::string_view idea;
    std::array<std::string_view, 9> rows;
    // Lamps a lesson of the first series may show lit when it loads.
    int litLampsAllowed = 0;
};

// The placeable kind a token letter (M D X T U I Y) stands for.
std::optional<PieceKind> placeableKindOf(char letter);

// The token of a piece standing on the board, as a row of the design holds it.
std::string tokenOf(PieceKind kind, std::uint8_t direction);

// The level with the designer's solution on the board: fixed pieces in
// reading order (row by row), the designer's pieces in the order the beams
// reach them, then the cannons in reading order. Nothing and a message when
// a token is not understood.
std::optional<Level> buildLevel(const LevelDesign& design, std::string& error);

// The series, in playing order.
const std::vector<LevelDesign>& seriesDesigns();

} // namespace prismora
