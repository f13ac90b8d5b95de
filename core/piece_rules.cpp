// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The rules of the pieces that turn, split, recolour or pass beams.
#include "core/piece_rules.h"

namespace prismora {
namespace {

std::uint8_t mod8(int value) { return static_cast<std::uint8_t>(((value % 8) + 8) % 8); }

// The inverter's colour cycle: with the piece red -> green -> blue -> red,
// against it the other way round.
std::optional<std::int32_t> invertedColour(std::int32_t colour, bool withPiece)
{
    switch (colour) {
    case RedBeam:
        return withPiece ? GreenBeam : BlueBeam;
    case GreenBeam:
        return withPiece ? BlueBeam : RedBeam;
    case BlueBeam:
        return withPiece ? RedBeam : GreenBeam;
    default:
        return std::nullopt;
    }
}

PieceResponse passOn(int travel) { return {mod8(travel), std::nullopt}; }

PieceResponse split(int travel, int fed, std::int32_t colour)
{
    return {mod8(travel), OutputFeed{mod8(fed), colour}};
}

} // namespace

PieceResponse respond(PieceKind kind, std::uint8_t pieceDirection, std::uint8_t travel,
                      std::int32_t colour)
{
    const int d = pieceDirection % 8;
    const int b = travel % 8;
    const int relative = mod8(b - d);
    switch (kind) {
    case PieceKind::Mirror:
        return relative == 3 || relative == 5 ? passOn(2 * d + 4 - b) : PieceResponse{};
    case PieceKind::DoubleMirror:
        return relative % 2 == 1 ? passOn(2 * d + 4 - b) : PieceResponse{};
    case PieceKind::TCoupling:
        return relative == 4 ? split(b - 2, b + 2, colour) : PieceResponse{};
    case PieceKind::TCoupling2:
        return relative == 2 ? split(b - 2, b, colour) : PieceResponse{};
    case PieceKind::Cross:
        if (relative == 0 || relative == 4) {
            return passOn(b - 1);
        }
        return relative == 3 || relative == 7 ? passOn(b + 1) : PieceResponse{};
    case PieceKind::Inverter:
        if (relative == 0 || relative == 4) {
            return {std::nullopt, OutputFeed{mod8(b), invertedColour(colour, relative == 0)}};
        }
        return {};
    case PieceKind::YCoupling:
        return relative == 4 ? split(b - 1, b + 1, colour) : PieceResponse{};
    case PieceKind::OneWay:
        return relative == 0 ? passOn(b) : PieceResponse{};
    default:
        return {};
    }
}

} // namespace prismora
