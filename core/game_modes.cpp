// Play and edit mode transitions of a game.
#include "core/game_modes.h"

namespace prismora {

void EnterEditMode(Game& game)
{
    Palette& palette = game.palette;
    if (palette.RowCount() < PlayRowCount) {
        palette.Clear();
    }
    if (palette.RowCount() < EditRowCount) {
        palette.AppendRows(palette.RowCount(), EditRowCount - 1);
    }
    game.board.PlayMode = false;
}

void EnterPlayMode(Game& game)
{
    game.board.PlayMode = true;
    game.board.Finished = false;
    game.palette.RemoveRowsFrom(PlayRowCount);
}

void StartNewLevel(Game& game)
{
    game.board.Clear();
    game.palette.Clear();
    game.palette.AppendRows(0, EditRowCount - 1);
    game.levelName.clear();
    game.board.PlayMode = false;
}

} // namespace prismora
