// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Piece kinds, directions and beam colours: the vocabulary of the board.
#pragma once

#include <cstdint>

namespace prismora {

// One byte on the board; a level file may hold any value, so code must accept
// numbers outside the named ones (they block beams and have no palette row).
enum class PieceKind : std::uint8_t {
    Mirror = 0,
    DoubleMirror = 1,
    TCoupling = 2,
    TCoupling2 = 3,
    Cross = 4,
    RedLamp = 5,
    GreenLamp = 6,
    BlueLamp = 7,
    OffBoard = 8,
    EmptyCell = 9,
    Obstacle = 10,
    Inverter = 11,
    YCoupling = 12,
    Bomb = 13,
    OneWay = 14,
    WhiteLamp = 15,
};

// Beam and cannon colours as the level files store them (0x00BBGGRR).
inline constexpr std::int32_t RedBeam = 255;
inline constexpr std::int32_t GreenBeam = 65280;
inline constexpr std::int32_t BlueBeam = 16711680;
// The colour of a splitting piece's output that has not yet been fed a beam.
inline constexpr std::int32_t WhiteBeam = 16777215;

// Kinds the player may place, move and turn in play.
bool isPlaceableKind(PieceKind kind);
// Kinds that always stand on the board and cannot be touched in play.
bool isFixedKind(PieceKind kind);
// Kinds that own an output beam source while they stand on the board.
bool isSplittingKind(PieceKind kind);
// Lamps of any colour, white included.
bool isLampKind(PieceKind kind);
// Lamps and empty cells: every beam goes straight through, unchanged.
inline bool passesBeamsUnchanged(PieceKind kind)
{
    return isLampKind(kind) || kind == PieceKind::EmptyCell;
}

// Directions are one byte in 45-degree steps anticlockwise from east (0 east,
// 2 north, 4 west, 6 south). Values above 7 (only from hand-edited files)
// count modulo 8 wherever a direction is used.
struct Step {
    int dx;
    int dy; // positive downwards
};
Step stepOf(std::uint8_t direction);

enum class Turn { Anticlockwise, Clockwise };
// The direction one step further (7 anticlockwise gives 0, 0 clockwise gives 7).
std::uint8_t turned(std::uint8_t direction, Turn turn);

} // namespace prismora
