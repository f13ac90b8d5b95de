// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Finding a hint: the next step of a safe path from the position, or a piece to take back.
#include "core/hint.h"

#include "core/evaluation.h"
#include "core/palette.h"
#include "core/safe_path.h"

#include <algorithm>
#include <optional>

namespace prismora {
namespace {

bool agrees(const Piece& piece, const Placement& placement)
{
    return piece.kind == placement.kind && piece.column == placement.column &&
           piece.row == placement.row &&
           directionsActAlike(piece.kind, piece.direction, placement.direction);
}

// The placed pieces that match none of the solution's placements (one to
// one), the most recently placed first.
std::vector<int> piecesOutside(const Level& level, const std::vector<int>& placed,
                               const std::vector<Placement>& solution)
{
    std::vector<bool> isUsed(solution.size(), false);
    std::vector<int> outside;
    for (auto at = placed.rbegin(); at != placed.rend(); ++at) {
        const Piece& piece = level.pieces[static_cast<std::size_t>(*at)];
        bool isMatched = false;
        for (std::size_t i = 0; i < solution.size() && !isMatched; ++i) {
            if (!isUsed[i] && agrees(piece, solution[i])) {
                isUsed[i] = true;
                isMatched = true;
            }
        }
        if (!isMatched) {
            outside.push_back(*at);
        }
    }
    return outside;
}

// The piece just taken from the hand: the newest placed piece, while it
// waits in the cell where a taken piece arrives.
std::optional<int> arrivedPiece(const Level& level, const std::vector<int>& placed)
{
    if (placed.empty()) {
        return std::nullopt;
    }
    const Piece& newest = level.pieces[static_cast<std::size_t>(placed.back())];
    return newest.column == 1 && newest.row == 1 ? std::optional(placed.back()) : std::nullopt;
}

Hint placeHint(const Placement& placement, int piece = -1)
{
    return {HintKind::Place, placement, piece};
}

const Hint CancelledHint{HintKind::Cancelled, {}, -1};

// The piece to take back when no safe step keeps them all: one outside the
// solution from the starting position first, the most recent first, and of
// those one whose removal sets off no bomb.
Hint takeBackHint(const Level& playing, const std::vector<int>& placed,
                  const SafeSolveResult& fromStart)
{
    std::vector<int> candidates = piecesOutside(playing, placed, fromStart.path);
    for (auto at = placed.rbegin(); at != placed.rend(); ++at) {
        if (std::find(candidates.begin(), candidates.end(), *at) == candidates.end()) {
            candidates.push_back(*at);
        }
    }
    for (const int candidate : candidates) {
        if (evaluate(withPiecesTakenBack(playing, {candidate})).verdict != Verdict::Bomb) {
            return {HintKind::TakeBack, {}, candidate};
        }
    }
    return {HintKind::TakeBack, {}, candidates.front()};
}

} // namespace

std::vector<int> placedPieceIndices(const Level& level)
{
    std::vector<int> placed;
    for (std::size_t i = 0; i < level.pieces.size(); ++i) {
        const Piece& piece = level.pieces[i];
        if (!piece.removed && isPlaceableKind(piece.kind) && isBoardCell(piece.column, piece.row)) {
            placed.push_back(static_cast<int>(i));
        }
    }
    return placed;
}

Level withPiecesTakenBack(const Level& level, const std::vector<int>& indices)
{
    Level taken = level;
    for (const int index : indices) {
        Piece& piece = taken.pieces[static_cast<std::size_t>(index)];
        piece.removed = true;
        changePaletteCount(taken, rowOfKind(piece.kind).value_or(-1), +1);
    }
    return taken;
}

Hint findHint(const Level& level, const std::atomic<bool>& cancelled)
{
    Level playing = level;
    playing.mode = Mode::Play;
    if (evaluate(playing).isFinished()) {
        return {HintKind::AlreadySolved, {}, -1};
    }
    const SolveLimits limits{.maxStates = HintStates, .cancel = &cancelled};
    const std::vector<int> placed = placedPieceIndices(playing);
    if (const std::optional<int> arrived = arrivedPiece(playing, placed)) {
        const PieceKind kind = playing.pieces[static_cast<std::size_t>(*arrived)].kind;
        const SafeSolveResult moved =
            solveSafely(withPiecesTakenBack(playing, {*arrived}), limits, FirstStep::OfKind, kind);
        if (moved.reason == GiveUpReason::Cancelled) {
            return CancelledHint;
        }
        const Piece& piece = playing.pieces[static_cast<std::size_t>(*arrived)];
        const bool belongsThere = std::any_of(moved.path.begin(), moved.path.end(),
                                              [&](const Placement& p) { return agrees(piece, p); });
        if (moved.status == SafeSolveStatus::Solved && !moved.path.empty() && !belongsThere) {
            return placeHint(moved.path.front(), *arrived);
        }
    }
    const SafeSolveResult keeping = solveSafely(playing, limits);
    if (keeping.reason == GiveUpReason::Cancelled) {
        return CancelledHint;
    }
    if (keeping.status == SafeSolveStatus::Solved && !keeping.path.empty()) {
        return placeHint(keeping.path.front());
    }
    if (placed.empty()) {
        return {HintKind::NoSolution, {}, -1};
    }
    const SafeSolveResult fromStart = solveSafely(withPiecesTakenBack(playing, placed), limits);
    if (fromStart.reason == GiveUpReason::Cancelled) {
        return CancelledHint;
    }
    if (fromStart.status != SafeSolveStatus::Solved) {
        return {HintKind::NoSolution, {}, -1};
    }
    return takeBackHint(playing, placed, fromStart);
}

} // namespace prismora
