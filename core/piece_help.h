// What each piece and cannon does, in one Swedish sentence, for the help and the tooltips.
#pragma once

#include "core/piece_kind.h"

#include <cstdint>
#include <string>

namespace prismora {

// What a piece of `kind` does with the beams that reach it, whichever way it
// is turned. Empty for kinds without a palette row.
std::string pieceHelp(PieceKind kind);

// The same for a piece turned to `direction` on the board: which side of a
// mirror reflects, which way a splitter sends its beams, which way an
// inverter changes which colour.
std::string pieceHelpAt(PieceKind kind, std::uint8_t direction);

// What a cannon of `colour` does; with a direction, which way it fires.
std::string cannonHelp(std::int32_t colour);
std::string cannonHelpAt(std::int32_t colour, std::uint8_t direction);

// What the thing of palette row `row` does (a piece kind or a cannon
// colour); empty for a row that does not exist.
std::string paletteRowHelp(int row);

} // namespace prismora
