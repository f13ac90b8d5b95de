// Appending records to a level and reading its sources and palette.
#include "core/level.h"

namespace prismora {

std::optional<int> appendPiece(Level& level, PieceKind kind, std::int32_t column, std::int32_t row,
                               std::uint8_t direction)
{
    const int index = static_cast<int>(level.pieces.size());
    if (index >= Level::MaxPieces) {
        return std::nullopt;
    }
    Piece piece{kind, column, row, direction, -1, false};
    if (isSplittingKind(kind)) {
        if (static_cast<int>(level.sources.size()) >= Level::MaxSources) {
            return std::nullopt;
        }
        piece.output = static_cast<std::int32_t>(level.sources.size());
        BeamSource output;
        output.piece = index;
        level.sources.push_back(output);
    }
    level.pieces.push_back(piece);
    return index;
}

std::optional<int> appendCannon(Level& level, std::int32_t column, std::int32_t row,
                                std::uint8_t direction, std::int32_t colour)
{
    const int index = static_cast<int>(level.sources.size());
    if (index >= Level::CannonIndexLimit) {
        return std::nullopt;
    }
    level.sources.push_back({-1, column, row, direction, colour, false});
    return index;
}

Cell sourceCell(const Level& level, int source)
{
    const BeamSource& s = level.sources[static_cast<std::size_t>(source)];
    if (s.isCannon()) {
        return {s.column, s.row};
    }
    const Piece& owner = level.pieces[static_cast<std::size_t>(s.piece)];
    return {owner.column, owner.row};
}

bool isSourceRemoved(const Level& level, int source)
{
    const BeamSource& s = level.sources[static_cast<std::size_t>(source)];
    return s.isCannon() ? s.removed : level.pieces[static_cast<std::size_t>(s.piece)].removed;
}

int paletteCount(const Level& level, int row)
{
    if (row < 0 || row >= static_cast<int>(level.palette.size())) {
        return 0;
    }
    return level.palette[static_cast<std::size_t>(row)];
}

void changePaletteCount(Level& level, int row, int delta)
{
    if (row >= 0 && row < static_cast<int>(level.palette.size())) {
        level.palette[static_cast<std::size_t>(row)] += delta;
    }
}

} // namespace prismora
