// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Beam colours as the rules tell them apart: red, green, blue, and any other value.
#pragma once

#include "core/piece_kind.h"

#include <cstdint>

namespace prismora {

// Any colour but red, green and blue (white, or an odd value from a file)
// lights no lamp and is passed on unchanged; an inverter keeps its output's
// colour for it.
enum class ColourSlot : std::uint8_t { Red = 0, Green = 1, Blue = 2, Other = 3 };
inline constexpr int ColourSlots = 4;

inline ColourSlot slotOf(std::int32_t colour)
{
    switch (colour) {
    case RedBeam:
        return ColourSlot::Red;
    case GreenBeam:
        return ColourSlot::Green;
    case BlueBeam:
        return ColourSlot::Blue;
    default:
        return ColourSlot::Other;
    }
}

// A colour value standing for the slot (white for Other).
inline std::int32_t colourOfSlot(ColourSlot slot)
{
    constexpr std::int32_t colours[ColourSlots] = {RedBeam, GreenBeam, BlueBeam, WhiteBeam};
    return colours[static_cast<int>(slot)];
}

inline std::uint8_t slotBit(ColourSlot slot)
{
    return static_cast<std::uint8_t>(1u << static_cast<int>(slot));
}

// The colour slots a lamp of `kind` needs to light (all three for a white
// lamp); none for anything that is not a lamp.
inline std::uint8_t lampSlots(PieceKind kind)
{
    const std::uint8_t all =
        slotBit(ColourSlot::Red) | slotBit(ColourSlot::Green) | slotBit(ColourSlot::Blue);
    switch (kind) {
    case PieceKind::RedLamp:
        return slotBit(ColourSlot::Red);
    case PieceKind::GreenLamp:
        return slotBit(ColourSlot::Green);
    case PieceKind::BlueLamp:
        return slotBit(ColourSlot::Blue);
    case PieceKind::WhiteLamp:
        return all;
    default:
        return 0;
    }
}

} // namespace prismora
