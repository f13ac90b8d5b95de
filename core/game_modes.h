// Switching a loaded game between play and edit mode.
#pragma once

#include "core/game.h"

namespace prismora {

// Edit mode on the loaded board: the palette gains the rows of the fixed
// kinds and cannons (count 0) so that every row matches its kind. A palette
// that lacks the seven placeable rows (none is loaded) is rebuilt from
// "Spegel" on, so row numbers always mean the same kinds. Pieces in the
// palette stay there.
void EnterEditMode(Game& game);

// Play mode: Finished cleared and the palette cut back to the seven
// placeable rows, keeping their counts.
void EnterPlayMode(Game& game);

// A new, empty level in edit mode with all seventeen rows at count 0. The
// level name becomes empty; CurrentLevelFile stays.
void StartNewLevel(Game& game);

} // namespace prismora
