// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What one piece does with a beam arriving at its cell.
#pragma once

#include "core/piece_kind.h"

#include <cstdint>
#include <optional>

namespace prismora {

// The beam a splitting piece sends out of its output when it is fed.
struct OutputFeed {
    std::uint8_t direction = 0;
    // The output's new colour, or nothing when it keeps the colour it had
    // (an inverter fed a colour other than red, green or blue).
    std::optional<std::int32_t> colour;

    bool operator==(const OutputFeed&) const = default;
};

struct PieceResponse {
    // The beam's direction on leaving the cell, or nothing when it ends here.
    std::optional<std::uint8_t> travel;
    // Set when the piece feeds its output.
    std::optional<OutputFeed> output;

    bool operator==(const PieceResponse&) const = default;
};

// The rule of a piece of `kind` turned to `pieceDirection` for a beam
// travelling in `travel` with `colour`. With b the arrival and d the piece's
// direction (all modulo 8):
// - Mirror: accepts d - b = 3 or 5, leaves in 2d + 4 - b (one reflecting side).
// - DoubleMirror: accepts odd d - b, leaves in 2d + 4 - b (both sides).
// - TCoupling: accepts b = d + 4, leaves in b - 2, feeds b + 2.
// - TCoupling2: accepts b = d + 2, leaves in b - 2, feeds b (straight on).
// - Cross: b - d = 0 or 4 leaves in b - 1; b - d = 3 or 7 leaves in b + 1.
// - Inverter: b = d or d + 4 ends the beam and feeds b in the next colour of
//   red -> green -> blue (with the piece) or the previous one (against it);
//   other colours leave the output's colour as it was.
// - YCoupling: accepts b = d + 4, leaves in b - 1, feeds b + 1.
// - OneWay: passes b = d only.
// - Obstacle and every kind without a rule: blocks.
// Lamps, bombs and the two sentinel kinds are handled by the tracer itself.
PieceResponse respond(PieceKind kind, std::uint8_t pieceDirection, std::uint8_t travel,
                      std::int32_t colour);

} // namespace prismora
