// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The solver's entry points and the helpers that place pieces and check a solution.
#include "core/solver.h"

#include "core/evaluation.h"
#include "core/solver_beam_search.h"

#include <algorithm>

namespace prismora {

std::string describe(GiveUpReason reason)
{
    switch (reason) {
    case GiveUpReason::None:
        return "none";
    case GiveUpReason::StateBudget:
        return "state budget";
    case GiveUpReason::TimeBudget:
        return "time budget";
    case GiveUpReason::Cancelled:
        return "cancelled";
    case GiveUpReason::TooManyPieces:
        return "too many pieces";
    case GiveUpReason::TooManyOrders:
        return "too many splitting pieces to order";
    case GiveUpReason::TooManyBeams:
        return "too many beams";
    }
    return "unknown";
}

SolveResult solve(const Level& level, const SolveLimits& limits)
{
    if (solvesLevel(level, {})) {
        return {SolveStatus::Solved, GiveUpReason::None, {}, 1};
    }
    CountResult walked = enumerateSolutions(level, 1, limits);
    if (!walked.found.empty()) {
        return {SolveStatus::Solved, GiveUpReason::None, std::move(walked.found.front()),
                walked.states};
    }
    if (!walked.isExact) {
        return {SolveStatus::GaveUp, walked.reason, {}, walked.states};
    }
    return {SolveStatus::NoSolution, GiveUpReason::None, {}, walked.states};
}

CountResult countSolutions(const Level& level, int limit, const SolveLimits& limits)
{
    return enumerateSolutions(level, std::max(1, limit), limits);
}

bool placePieces(Level& level, std::span<const Placement> placements)
{
    for (const Placement& p : placements) {
        if (!appendPiece(level, p.kind, p.column, p.row, p.direction)) {
            return false;
        }
    }
    return true;
}

Level reloadedLevel(const Level& level)
{
    Level loaded;
    loaded.name = level.name;
    loaded.mode = level.mode;
    loaded.palette = level.palette;
    for (const Piece& p : level.pieces) {
        if (!p.removed) {
            appendPiece(loaded, p.kind, p.column, p.row, p.direction);
        }
    }
    for (const BeamSource& s : level.sources) {
        if (s.isCannon() && !s.removed) {
            appendCannon(loaded, s.column, s.row, s.direction, s.colour);
        }
    }
    return loaded;
}

Verdict verdictAfter(const Level& base, std::span<const Placement> placements)
{
    Level level = base;
    level.mode = Mode::Play;
    if (!placePieces(level, placements)) {
        return Verdict::LampsLeft;
    }
    return evaluate(level).verdict;
}

bool solvesLevel(const Level& base, std::span<const Placement> placements)
{
    Level level = base;
    level.mode = Mode::Play;
    if (!placePieces(level, placements) || evaluate(level).verdict != Verdict::Solved) {
        return false;
    }
    return evaluate(reloadedLevel(level)).verdict == Verdict::Solved;
}

} // namespace prismora
