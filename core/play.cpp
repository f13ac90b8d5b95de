// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Play and edit rules on a level.
#include "core/play.h"

#include "core/palette.h"

namespace prismora {
namespace {

bool isAt(std::int32_t column, std::int32_t row, std::int64_t wantedColumn, std::int64_t wantedRow)
{
    return column == wantedColumn && row == wantedRow;
}

bool mayTouch(const Level& level, const Piece& piece)
{
    return level.mode == Mode::Edit || isPlaceableKind(piece.kind);
}

} // namespace

bool isLiveRecord(const Level& level, const Grab& grab)
{
    const auto i = static_cast<std::size_t>(grab.index);
    switch (grab.target) {
    case Grab::Target::Piece:
        return grab.index >= 0 && i < level.pieces.size() && !level.pieces[i].removed;
    case Grab::Target::Cannon:
        return grab.index >= 0 && i < level.sources.size() && level.sources[i].isCannon() &&
               !level.sources[i].removed;
    case Grab::Target::Nothing:
        break;
    }
    return false;
}

Grab findGrabbable(const Level& level, std::int64_t column, std::int64_t row)
{
    for (int i = static_cast<int>(level.pieces.size()) - 1; i >= 0; --i) {
        const Piece& piece = level.pieces[static_cast<std::size_t>(i)];
        if (!piece.removed && isAt(piece.column, piece.row, column, row) &&
            mayTouch(level, piece)) {
            return Grab::piece(i);
        }
    }
    if (level.mode == Mode::Edit) {
        for (int i = static_cast<int>(level.sources.size()) - 1; i >= 0; --i) {
            const BeamSource& source = level.sources[static_cast<std::size_t>(i)];
            if (source.isCannon() && !source.removed &&
                isAt(source.column, source.row, column, row)) {
                return Grab::cannon(i);
            }
        }
    }
    return {};
}

int paletteRowOf(const Level& level, const Grab& grab)
{
    if (!isLiveRecord(level, grab)) {
        return -1;
    }
    const std::size_t i = static_cast<std::size_t>(grab.index);
    if (grab.target == Grab::Target::Piece) {
        return rowOfKind(level.pieces[i].kind).value_or(-1);
    }
    return rowOfCannonColour(level.sources[i].colour).value_or(-1);
}

bool moveGrabbed(Level& level, const Grab& grab, std::int32_t column, std::int32_t row)
{
    if (!isLiveRecord(level, grab)) {
        return false;
    }
    const std::size_t i = static_cast<std::size_t>(grab.index);
    std::int32_t& recordColumn =
        grab.target == Grab::Target::Piece ? level.pieces[i].column : level.sources[i].column;
    std::int32_t& recordRow =
        grab.target == Grab::Target::Piece ? level.pieces[i].row : level.sources[i].row;
    if (recordColumn == column && recordRow == row) {
        return false;
    }
    recordColumn = column;
    recordRow = row;
    return true;
}

bool turnGrabbed(Level& level, const Grab& grab, Turn turn)
{
    if (!isLiveRecord(level, grab)) {
        return false;
    }
    const std::size_t i = static_cast<std::size_t>(grab.index);
    std::uint8_t& direction =
        grab.target == Grab::Target::Piece ? level.pieces[i].direction : level.sources[i].direction;
    direction = turned(direction, turn);
    return true;
}

bool dropGrabbed(Level& level, const Grab& grab)
{
    if (!isLiveRecord(level, grab)) {
        return false;
    }
    const std::size_t i = static_cast<std::size_t>(grab.index);
    const bool isPiece = grab.target == Grab::Target::Piece;
    bool& removed = isPiece ? level.pieces[i].removed : level.sources[i].removed;
    const std::int32_t column = isPiece ? level.pieces[i].column : level.sources[i].column;
    const std::int32_t row = isPiece ? level.pieces[i].row : level.sources[i].row;
    if (isBoardCell(column, row)) {
        return false;
    }
    const int paletteRow = paletteRowOf(level, grab);
    removed = true;
    const bool backToHand = isPiece && level.mode == Mode::Play;
    changePaletteCount(level, paletteRow, backToHand ? +1 : -1);
    return true;
}

Take takeFromPalette(Level& level, int row)
{
    std::optional<int> added;
    bool isCannon = false;
    if (level.mode == Mode::Play) {
        const std::optional<PieceKind> kind = kindOfRow(row);
        if (!kind || paletteCount(level, row) <= 0) {
            return {};
        }
        added = addPiece(level, *kind, 1, 1, 0);
    } else if (const std::optional<std::int32_t> colour = cannonColourOfRow(row)) {
        added = addCannon(level, 1, 1, 0, *colour);
        isCannon = true;
    } else if (const std::optional<PieceKind> kind = kindOfRow(row)) {
        added = addPiece(level, *kind, 1, 1, 0);
    } else {
        return {};
    }
    if (!added) {
        return {TakeResult::BoardFull, {}};
    }
    changePaletteCount(level, row, level.mode == Mode::Play ? -1 : +1);
    return {TakeResult::Taken, isCannon ? Grab::cannon(*added) : Grab::piece(*added)};
}

void enterEditMode(Level& level)
{
    if (level.palette.size() < static_cast<std::size_t>(PlayRowCount)) {
        level.palette.clear();
    }
    level.palette.resize(EditRowCount, 0);
    level.mode = Mode::Edit;
}

void enterPlayMode(Level& level)
{
    if (level.palette.size() > static_cast<std::size_t>(PlayRowCount)) {
        level.palette.resize(PlayRowCount);
    }
    level.mode = Mode::Play;
}

Level newDesign()
{
    Level level;
    level.mode = Mode::Edit;
    level.palette.assign(EditRowCount, 0);
    return level;
}

} // namespace prismora
