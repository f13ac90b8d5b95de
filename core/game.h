// Everything a level file holds: the board, the palette and the level name.
#pragma once

#include "core/board.h"
#include "core/palette.h"

#include <string>

namespace prismora {

// Text of the level name field before any level is loaded.
inline constexpr const char* NoLevelName = "(no name)";

struct Game {
    Board board;
    Palette palette;
    std::string levelName = NoLevelName;
};

} // namespace prismora
