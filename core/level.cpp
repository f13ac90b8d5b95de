// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

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

namespace {

// A source record no live piece or cannon uses: a removed cannon, or the
// output of a removed piece.
bool isFreeSource(const Level& level, std::size_t index)
{
    const BeamSource& source = level.sources[index];
    return source.isCannon() ? source.removed
                             : level.pieces[static_cast<std::size_t>(source.piece)].removed;
}

// Where a new source below `limit` can go: a new record while the table
// has room, else the free record of the highest index below the limit.
std::optional<std::size_t> sourceRecordFor(const Level& level, int limit)
{
    const auto limitIndex = static_cast<std::size_t>(limit);
    if (level.sources.size() < limitIndex) {
        return level.sources.size();
    }
    for (std::size_t i = limitIndex; i-- > 0;) {
        if (isFreeSource(level, i)) {
            return i;
        }
    }
    return std::nullopt;
}

// Makes `index` a record of its own, appended or taken from the piece that
// owned it as an output; the caller fills it in.
BeamSource& claimSourceRecord(Level& level, std::size_t index)
{
    if (index == level.sources.size()) {
        level.sources.emplace_back();
    }
    BeamSource& source = level.sources[index];
    if (!source.isCannon()) {
        level.pieces[static_cast<std::size_t>(source.piece)].output = -1;
    }
    return source;
}

// The removed piece of the highest index.
std::optional<std::size_t> newestRemovedPiece(const Level& level)
{
    for (std::size_t i = level.pieces.size(); i-- > 0;) {
        if (level.pieces[i].removed) {
            return i;
        }
    }
    return std::nullopt;
}

} // namespace

std::optional<int> addPiece(Level& level, PieceKind kind, std::int32_t column, std::int32_t row,
                            std::uint8_t direction)
{
    if (const std::optional<int> appended = appendPiece(level, kind, column, row, direction)) {
        return appended;
    }
    const bool isPieceTableFull = level.pieces.size() >= static_cast<std::size_t>(Level::MaxPieces);
    const std::optional<std::size_t> index =
        isPieceTableFull ? newestRemovedPiece(level) : level.pieces.size();
    if (!index) {
        return std::nullopt;
    }
    const std::int32_t oldOutput = *index < level.pieces.size() ? level.pieces[*index].output : -1;
    std::optional<std::size_t> output;
    if (isSplittingKind(kind)) {
        output = oldOutput >= 0 ? static_cast<std::size_t>(oldOutput)
                                : sourceRecordFor(level, Level::MaxSources);
        if (!output) {
            return std::nullopt;
        }
    }
    if (*index == level.pieces.size()) {
        level.pieces.emplace_back();
    } else if (oldOutput >= 0 && !output) {
        // The old output is not needed: it becomes a free record.
        claimSourceRecord(level, static_cast<std::size_t>(oldOutput)) =
            BeamSource{-1, -1, -1, 0, 0, true};
    }
    const auto pieceIndex = static_cast<std::int32_t>(*index);
    std::int32_t outputIndex = -1;
    if (output) {
        claimSourceRecord(level, *output) = BeamSource{pieceIndex, -1, -1, 0, 0, false};
        outputIndex = static_cast<std::int32_t>(*output);
    }
    level.pieces[*index] = Piece{kind, column, row, direction, outputIndex, false};
    return pieceIndex;
}

std::optional<int> addCannon(Level& level, std::int32_t column, std::int32_t row,
                             std::uint8_t direction, std::int32_t colour)
{
    const std::optional<std::size_t> index = sourceRecordFor(level, Level::CannonIndexLimit);
    if (!index) {
        return std::nullopt;
    }
    claimSourceRecord(level, *index) = BeamSource{-1, column, row, direction, colour, false};
    return static_cast<int>(*index);
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

bool isCellTaken(const Level& level, std::int32_t column, std::int32_t row)
{
    for (const Piece& p : level.pieces) {
        if (!p.removed && p.column == column && p.row == row) {
            return true;
        }
    }
    for (std::size_t s = 0; s < level.sources.size(); ++s) {
        const BeamSource& source = level.sources[s];
        if (source.isCannon() && !source.removed && source.column == column && source.row == row) {
            return true;
        }
    }
    return false;
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
