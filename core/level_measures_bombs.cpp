// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The measures about bombs: each has a purpose, and a safe path past them all exists.
#include "core/evaluation.h"
#include "core/level_measures.h"
#include "core/measure_sentences.h"
#include "core/palette.h"
#include "core/safe_path.h"

#include <set>

namespace prismora {
namespace {

// The live piece that acts on beams in a cell: the one of the lowest index.
const Piece* actingPiece(const Level& level, std::int64_t column, std::int64_t row)
{
    for (const Piece& piece : level.pieces) {
        if (!piece.removed && piece.column == column && piece.row == row) {
            return &piece;
        }
    }
    return nullptr;
}

// The bombs (by piece index) the beams reach after `placement` on `position`.
std::set<std::size_t> bombsHitBy(const Level& position, const Placement& placement)
{
    Level after = position;
    after.mode = Mode::Play;
    placePieces(after, std::span(&placement, 1));
    std::set<std::size_t> hit;
    for (const BeamSegment& s : evaluate(after).segments) {
        const Piece* piece = actingPiece(after, s.toColumn, s.toRow);
        if (piece != nullptr && piece->kind == PieceKind::Bomb) {
            hit.insert(static_cast<std::size_t>(piece - after.pieces.data()));
        }
    }
    return hit;
}

// Every placement a player could try from `position`: a piece in hand on a
// board cell a beam enters that holds no piece, turned any way. Adds the
// bombs they hit.
void addBombsWithinReach(const Level& position, std::set<std::size_t>& reached)
{
    Level playing = position;
    playing.mode = Mode::Play;
    std::set<std::pair<std::int64_t, std::int64_t>> cells;
    for (const BeamSegment& s : evaluate(playing).segments) {
        if (isBoardCell(s.toColumn, s.toRow) &&
            actingPiece(playing, s.toColumn, s.toRow) == nullptr) {
            cells.insert({s.toColumn, s.toRow});
        }
    }
    for (int row = 0; row < PlayRowCount; ++row) {
        if (paletteCount(position, row) <= 0) {
            continue;
        }
        for (const auto& [column, line] : cells) {
            for (std::uint8_t direction = 0; direction < 8; ++direction) {
                const Placement tried{*kindOfRow(row), static_cast<std::int32_t>(column),
                                      static_cast<std::int32_t>(line), direction};
                const std::set<std::size_t> hit = bombsHitBy(playing, tried);
                reached.insert(hit.begin(), hit.end());
            }
        }
    }
}

MeasureElement bombElement(const Level& level, std::size_t index)
{
    const Piece& bomb = level.pieces[index];
    return {bomb.kind, bomb.column, bomb.row};
}

} // namespace

Measure measurePurposefulBombs(const DesignedLevel& level)
{
    const std::vector<Placement> path =
        safeOrder(level.start, level.solution).value_or(std::vector<Placement>{});
    std::set<std::size_t> reached;
    Level position = level.start;
    addBombsWithinReach(position, reached);
    for (std::size_t step = 0; step + 1 < path.size(); ++step) {
        position = afterStep(position, path[step]);
        addBombsWithinReach(position, reached);
    }
    for (std::size_t i = 0; i < level.start.pieces.size(); ++i) {
        const Piece& piece = level.start.pieces[i];
        if (!piece.removed && piece.kind == PieceKind::Bomb && reached.count(i) == 0) {
            const MeasureElement bomb = bombElement(level.start, i);
            return failingAtCell(bomb, sentence::BombOutOfReach);
        }
    }
    return holdingSaying(sentence::EveryBombReached);
}

Measure measureSafePath(const DesignedLevel& level)
{
    if (safeOrder(level.start, level.solution)) {
        return holdingSaying(sentence::SafePath);
    }
    // Name the first bomb the designer's own order sets off.
    Level position = level.start;
    for (const Placement& step : level.solution) {
        for (const Placement& moment : {Placement{step.kind, 1, 1, 0}, step}) {
            const std::set<std::size_t> hit = bombsHitBy(position, moment);
            if (!hit.empty()) {
                const MeasureElement bomb = bombElement(position, *hit.begin());
                return failingAtCell(bomb, sentence::EveryOrderExplodes);
            }
        }
        position = afterStep(position, step);
    }
    return failingSaying(std::nullopt, sentence::NoOrderSolves);
}

} // namespace prismora
