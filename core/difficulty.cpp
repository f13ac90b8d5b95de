// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Counting the placements that tempt a player along the designer's solution.
#include "core/difficulty.h"

#include "base/first_success.h"
#include "core/evaluation.h"
#include "core/lead_questions.h"
#include "core/palette.h"

#include <algorithm>
#include <set>
#include <utility>

namespace prismora {
namespace {

std::vector<bool> litLamps(const Evaluation& evaluation)
{
    std::vector<bool> lit;
    for (const PieceLight& light : evaluation.pieces) {
        lit.push_back(light.lit);
    }
    return lit;
}

// True when a lamp is lit in `after` that was dark in `before` (the lamps
// keep their indices: placing a piece appends it).
bool lightsNewLamp(const std::vector<bool>& before, const Evaluation& after)
{
    for (std::size_t i = 0; i < before.size(); ++i) {
        if (!before[i] && after.pieces[i].lit) {
            return true;
        }
    }
    return false;
}

// Free board cells some beam enters in `evaluation`.
std::set<std::pair<int, int>> cellsOnBeams(const Level& level, const Evaluation& evaluation)
{
    std::set<std::pair<int, int>> cells;
    for (const BeamSegment& s : evaluation.segments) {
        if (isBoardCell(s.toColumn, s.toRow) &&
            !isCellTaken(level, static_cast<int>(s.toColumn), static_cast<int>(s.toRow))) {
            cells.insert({static_cast<int>(s.toColumn), static_cast<int>(s.toRow)});
        }
    }
    return cells;
}

// The position after the player puts `tried` down from the hand.
Level afterPlacing(const Level& position, const Placement& tried)
{
    Level after = position;
    placePieces(after, std::span(&tried, 1));
    changePaletteCount(after, *rowOfKind(tried.kind), -1);
    return after;
}

// The placements of `kind` on the cell, one for each turn that lights a dark
// lamp with no bomb going off (turns that send the beams the same way make
// one placement).
std::vector<Placement> temptingPlacements(const Level& position, const std::vector<bool>& lit,
                                          PieceKind kind, int column, int row)
{
    std::vector<Placement> tempting;
    std::vector<std::vector<BeamSegment>> beams;
    for (std::uint8_t direction = 0; direction < 8; ++direction) {
        const Placement tried{kind, column, row, direction};
        Evaluation evaluation = evaluate(afterPlacing(position, tried));
        if (!evaluation.bombHit && lightsNewLamp(lit, evaluation) &&
            std::find(beams.begin(), beams.end(), evaluation.segments) == beams.end()) {
            beams.push_back(std::move(evaluation.segments));
            tempting.push_back(tried);
        }
    }
    return tempting;
}

bool belongsThere(const std::vector<Placement>& remaining, PieceKind kind, int column, int row)
{
    return std::any_of(remaining.begin(), remaining.end(), [&](const Placement& p) {
        return p.kind == kind && p.column == column && p.row == row;
    });
}

// One tempting placement off the designer's solution, after `step` of the
// designer's pieces are placed.
struct Temptation {
    Placement tried;
    std::size_t step;
};

void addTemptationsAt(const Level& position, const std::vector<Placement>& remaining,
                      std::size_t step, std::vector<Temptation>& temptations)
{
    const Evaluation now = evaluate(position);
    const std::vector<bool> lit = litLamps(now);
    std::set<PieceKind> kinds;
    for (const Placement& p : remaining) {
        kinds.insert(p.kind);
    }
    for (const auto& [column, row] : cellsOnBeams(position, now)) {
        for (const PieceKind kind : kinds) {
            if (belongsThere(remaining, kind, column, row)) {
                continue;
            }
            for (const Placement& tried : temptingPlacements(position, lit, kind, column, row)) {
                temptations.push_back({tried, step});
            }
        }
    }
}

} // namespace

Difficulty measureDifficulty(const Level& loaded, const std::vector<Placement>& solution,
                             bool solutionIsUnique, long maxStates, const std::atomic<bool>* cancel,
                             std::span<const std::vector<Placement>> knownSolutions)
{
    Difficulty difficulty;
    difficulty.pieces = static_cast<int>(solution.size());
    std::vector<Temptation> temptations;
    // The position before each step, and the solved one.
    std::vector<Level> positions{loaded};
    for (std::size_t step = 0; step < solution.size(); ++step) {
        const std::vector<Placement> remaining(solution.begin() + static_cast<long>(step),
                                               solution.end());
        addTemptationsAt(positions.back(), remaining, step, temptations);
        positions.push_back(afterPlacing(positions.back(), solution[step]));
    }
    if (solutionIsUnique) {
        difficulty.falseLeads = static_cast<int>(temptations.size());
        return difficulty;
    }
    std::vector<LeadQuestion> questions;
    for (const Temptation& temptation : temptations) {
        std::vector<Placement> placed(solution.begin(),
                                      solution.begin() + static_cast<long>(temptation.step));
        placed.push_back(temptation.tried);
        questions.push_back(
            {afterPlacing(positions[temptation.step], temptation.tried), std::move(placed)});
    }
    const std::vector<bool> isFalse = leadsNowhere(
        questions, knownSolutions, {.maxStates = maxStates, .cancel = cancel}, searchThreads());
    difficulty.falseLeads = static_cast<int>(std::count(isFalse.begin(), isFalse.end(), true));
    return difficulty;
}

int mostPiecesToSearch(const Level& start, int knownPieces)
{
    int hand = 0;
    for (int row = 0; row < PlayRowCount; ++row) {
        hand += paletteCount(start, row);
    }
    // A known solution spares the dearest search, the one that would only find it again.
    return knownPieces >= 0 ? knownPieces - 1 : std::min(hand, MaxSearchDepth);
}

FewestPieces fewestUpwards(int most, int knownPieces,
                           const std::function<SolveResult(int pieces)>& search)
{
    FewestPieces fewest;
    for (int pieces = 0; pieces <= most; ++pieces) {
        const SolveResult result = search(pieces);
        fewest.states += result.states;
        if (result.status == SolveStatus::Solved) {
            fewest.pieces = static_cast<int>(result.solution.size());
            return fewest;
        }
        if (result.status == SolveStatus::GaveUp) {
            fewest.isDecided = false;
            return fewest;
        }
    }
    fewest.pieces = knownPieces;
    return fewest;
}

// Upwards, as the searches with few pieces are the cheap ones.
FewestPieces fewestPieces(const Level& start, const SolveLimits& limits, int knownPieces)
{
    return fewestUpwards(mostPiecesToSearch(start, knownPieces), knownPieces, [&](int pieces) {
        SolveLimits upTo = limits;
        upTo.maxPieces = pieces;
        return solve(start, upTo);
    });
}

} // namespace prismora
