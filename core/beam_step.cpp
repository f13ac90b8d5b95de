// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The action table of every kind and direction, and the occupancy of the lookup area.
#include "core/beam_step.h"

namespace prismora {
namespace {

BeamAction actionOf(PieceKind kind, std::uint8_t pieceDirection, std::uint8_t arriving)
{
    switch (kind) {
    case PieceKind::RedLamp:
    case PieceKind::GreenLamp:
    case PieceKind::BlueLamp:
    case PieceKind::WhiteLamp:
        return static_cast<BeamAction>(Lights | Passes | arriving);
    case PieceKind::EmptyCell:
        return static_cast<BeamAction>(Passes | arriving);
    case PieceKind::Bomb:
        return HitsBomb;
    case PieceKind::OffBoard:
        return 0;
    default:
        break;
    }
    // The leaving direction and whether the piece feeds do not depend on the
    // colour; the colour fed is asked of respond when it happens.
    const PieceResponse response = respond(kind, pieceDirection, arriving, RedBeam);
    BeamAction action = response.output ? Feeds : 0;
    if (response.travel) {
        action = static_cast<BeamAction>(action | Passes | (*response.travel % 8));
    }
    return action;
}

// Kinds outside 0..15 block beams: they use the last row.
constexpr int NamedKinds = 16;
constexpr std::size_t BlockingRow = NamedKinds * 8;
using ActionTable = std::array<std::array<BeamAction, 8>, BlockingRow + 1>;

const ActionTable& actionTable()
{
    static const ActionTable table = [] {
        ActionTable built{};
        for (int kind = 0; kind < NamedKinds; ++kind) {
            for (int direction = 0; direction < 8; ++direction) {
                for (int arriving = 0; arriving < 8; ++arriving) {
                    built[static_cast<std::size_t>(kind * 8 + direction)]
                         [static_cast<std::size_t>(arriving)] =
                             actionOf(static_cast<PieceKind>(kind),
                                      static_cast<std::uint8_t>(direction),
                                      static_cast<std::uint8_t>(arriving));
                }
            }
        }
        return built;
    }();
    return table;
}

} // namespace

const std::array<BeamAction, 8>& beamActions(PieceKind kind, std::uint8_t pieceDirection)
{
    const auto code = static_cast<std::size_t>(kind);
    return actionTable()[code < NamedKinds ? code * 8 + pieceDirection % 8 : BlockingRow];
}

const std::array<BeamAction, 8>& passingActions() { return beamActions(PieceKind::EmptyCell, 0); }

Occupancy::Occupancy(const Level& level)
{
    m_cells.fill({passingActions(), NoPiece});
    for (std::size_t i = 0; i < level.pieces.size(); ++i) {
        const Piece& piece = level.pieces[i];
        if (!piece.removed) {
            claim(piece.column, piece.row,
                  {beamActions(piece.kind, piece.direction), static_cast<std::int16_t>(i)});
        }
    }
    for (std::size_t i = 0; i < level.sources.size(); ++i) {
        if (!isSourceRemoved(level, static_cast<int>(i))) {
            const Cell cell = sourceCell(level, static_cast<int>(i));
            claim(cell.column, cell.row, {{}, SourceCell});
        }
    }
}

void Occupancy::claim(std::int32_t column, std::int32_t row, const CellOccupant& occupant)
{
    if (isInLookupArea(column, row)) {
        CellOccupant& cell = m_cells[lookupIndex(column, row)];
        if (cell.piece == NoPiece) {
            cell = occupant;
        }
    }
}

} // namespace prismora
