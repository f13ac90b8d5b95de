// libFuzzer target: any bytes through the level reader, then a save/reload consistency check.
#include "core/level_file.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

using namespace prismora;

int PaletteTotal(const Game& game)
{
    int total = 0;
    for (int row = 0; row < game.palette.RowCount(); ++row) {
        total += game.palette.Count(row);
    }
    return total;
}

// A level whose saved form fits the sections the reader looks at.
bool FitsTheReadableSections(const Game& game)
{
    return game.board.PieceCount + PaletteTotal(game) < 200 && game.board.EmitterCount <= 50;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Game game;
    ParseLevel(game, std::string_view(reinterpret_cast<const char*>(data), size));
    if (game.board.Pieces[Board::OffBoardIndex].Kind != PieceKind::OffBoard ||
        game.board.Pieces[Board::EmptyCellIndex].Kind != PieceKind::EmptyCell) {
        __builtin_trap();
    }
    const std::string saved = FormatLevel(game, false);
    if (FitsTheReadableSections(game)) {
        Game reloaded;
        ParseLevel(reloaded, saved);
        if (FormatLevel(reloaded, false) != saved) {
            __builtin_trap();
        }
    }
    return 0;
}
