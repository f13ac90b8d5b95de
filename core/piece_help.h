// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What each piece and cannon does, in one sentence, for the help, the tooltips and a screen reader.
#pragma once

#include "core/local_text.h"
#include "core/piece_kind.h"

#include <cstdint>

namespace prismora {

// What a piece of `kind` does with the beams that reach it, whichever way it
// is turned. Empty for kinds without a palette row.
LocalText pieceHelp(PieceKind kind);

// The same for a piece turned to `direction` on the board: which side of a
// mirror reflects, which way a splitter sends its beams, which way an
// inverter changes which colour.
LocalText pieceHelpAt(PieceKind kind, std::uint8_t direction);

// What a cannon of `colour` does; with a direction, which way it fires.
LocalText cannonHelp(std::int32_t colour);
LocalText cannonHelpAt(std::int32_t colour, std::uint8_t direction);

// What the thing of palette row `row` does (a piece kind or a cannon
// colour); empty for a row that does not exist.
LocalText paletteRowHelp(int row);

// The way a beam going in `direction` (modulo 8) goes, as the board shows
// it: "åt höger", "snett uppåt höger", ...
LocalText towardsText(int direction);

// "röd", "grön", "blå" for the three beam colours; empty for any other.
LocalText colourText(std::int32_t colour);

} // namespace prismora
