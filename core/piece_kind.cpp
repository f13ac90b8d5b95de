// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Classification of piece kinds and direction arithmetic.
#include "core/piece_kind.h"

#include <array>

namespace prismora {

bool isPlaceableKind(PieceKind kind)
{
    switch (kind) {
    case PieceKind::Mirror:
    case PieceKind::DoubleMirror:
    case PieceKind::TCoupling:
    case PieceKind::TCoupling2:
    case PieceKind::Cross:
    case PieceKind::Inverter:
    case PieceKind::YCoupling:
        return true;
    default:
        return false;
    }
}

bool isFixedKind(PieceKind kind)
{
    switch (kind) {
    case PieceKind::RedLamp:
    case PieceKind::GreenLamp:
    case PieceKind::BlueLamp:
    case PieceKind::Obstacle:
    case PieceKind::Bomb:
    case PieceKind::OneWay:
    case PieceKind::WhiteLamp:
        return true;
    default:
        return false;
    }
}

bool isSplittingKind(PieceKind kind)
{
    return kind == PieceKind::TCoupling || kind == PieceKind::TCoupling2 ||
           kind == PieceKind::Inverter || kind == PieceKind::YCoupling;
}

bool isLampKind(PieceKind kind)
{
    return kind == PieceKind::RedLamp || kind == PieceKind::GreenLamp ||
           kind == PieceKind::BlueLamp || kind == PieceKind::WhiteLamp;
}

Step stepOf(std::uint8_t direction)
{
    static constexpr std::array<Step, 8> steps{
        {{1, 0}, {1, -1}, {0, -1}, {-1, -1}, {-1, 0}, {-1, 1}, {0, 1}, {1, 1}}};
    return steps[direction % 8];
}

std::uint8_t turned(std::uint8_t direction, Turn turn)
{
    const int step = turn == Turn::Anticlockwise ? 1 : 7;
    return static_cast<std::uint8_t>((direction % 8 + step) % 8);
}

} // namespace prismora
