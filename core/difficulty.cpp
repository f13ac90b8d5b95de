// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Counting the placements that tempt a player along the designer's solution.
#include "core/difficulty.h"

#include "base/first_success.h"
#include "base/for_each_index.h"
#include "core/evaluation.h"
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

// What the questions about tempting placements may use.
struct LeadSearch {
    SolveLimits limits;
    std::span<const Placement> placed; // the designer's pieces placed so far
    std::span<const std::vector<Placement>> known;
};

// Takes out of `pieces` the one that acts as `piece` does in its cell.
bool takeOut(std::vector<Placement>& pieces, const Placement& piece)
{
    const auto found = std::find_if(pieces.begin(), pieces.end(), [&](const Placement& p) {
        return p.kind == piece.kind && p.column == piece.column && p.row == piece.row &&
               directionsActAlike(p.kind, p.direction, piece.direction);
    });
    if (found == pieces.end()) {
        return false;
    }
    pieces.erase(found);
    return true;
}

// A solution found before that holds the pieces placed so far and the tried
// one (the last piece of `after`) and whose other pieces finish `after`.
bool isOnKnownSolution(const Level& after, const LeadSearch& search)
{
    const Piece& last = after.pieces.back();
    const Placement tried{last.kind, last.column, last.row, last.direction};
    for (const std::vector<Placement>& solution : search.known) {
        std::vector<Placement> rest = solution;
        const bool holdsAll = std::all_of(search.placed.begin(), search.placed.end(),
                                          [&](const Placement& p) { return takeOut(rest, p); }) &&
                              takeOut(rest, tried);
        if (holdsAll && solvesLevel(after, rest)) {
            return true;
        }
    }
    return false;
}

// A placement leads nowhere when no solution goes through it: no solution
// found before does, and the solver cannot finish the position with the
// pieces left in hand. (With a single solution every tempting placement
// leads nowhere, and none is asked.)
bool leadsNowhere(const Level& after, const LeadSearch& search)
{
    return !isOnKnownSolution(after, search) &&
           solve(after, search.limits).status != SolveStatus::Solved;
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
    // Each placement asks the solver on its own: the questions share nothing,
    // so they are spread over the machine's cores.
    std::vector<char> isFalse(temptations.size(), 0);
    forEachIndex(static_cast<int>(temptations.size()), searchThreads(), [&](int i) {
        const Temptation& temptation = temptations[static_cast<std::size_t>(i)];
        const LeadSearch search{{.maxStates = maxStates, .cancel = cancel},
                                std::span(solution.data(), temptation.step),
                                knownSolutions};
        const Level after = afterPlacing(positions[temptation.step], temptation.tried);
        isFalse[static_cast<std::size_t>(i)] = leadsNowhere(after, search) ? 1 : 0;
    });
    difficulty.falseLeads = static_cast<int>(std::count(isFalse.begin(), isFalse.end(), 1));
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
