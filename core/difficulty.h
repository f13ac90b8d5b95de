// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// How hard a level is for a player who reasons rather than tries everything.
#pragma once

#include "core/solver.h"

#include <atomic>
#include <functional>
#include <span>
#include <vector>

namespace prismora {

struct Difficulty {
    int pieces = 0;
    // Placements that look right and are wrong: at each step of the designer's
    // solution (its pieces placed in the order the beams reach them), a piece
    // in hand put on a free cell on a beam, in a turn that lights a lamp that
    // was dark with no bomb hit, where no solution puts that piece. Turns
    // that send the beams the same way count once.
    int falseLeads = 0;
    // 10 for each piece to place and 1 for each false lead: a piece more is
    // worth about ten misleading placements.
    int score() const { return 10 * pieces + falseLeads; }
};

// `solution`: the designer's pieces in the order the player places them (the
// safe path). When it is known to be the only solution, no other placement
// belongs to one; otherwise each tempting placement is asked of the solver
// with `maxStates`, and one it cannot decide counts as a false lead.
// Solutions found before (`knownSolutions`, each from the hand of `loaded`)
// answer some questions without a search. When `cancel` turns true the
// remaining questions count as false leads (the caller drops the answer).
Difficulty measureDifficulty(const Level& loaded, const std::vector<Placement>& solution,
                             bool solutionIsUnique, long maxStates = 5'000'000,
                             const std::atomic<bool>* cancel = nullptr,
                             std::span<const std::vector<Placement>> knownSolutions = {});

// The fewest pieces from the hand that solve the level (0 when it is solved
// as loaded, -1 when no set of pieces from the hand solves it).
struct FewestPieces {
    int pieces = -1;
    bool isDecided = true; // false when a search ran out of states first
    long states = 0;
};

// Searches with one piece, then two, and so on up to the whole hand, or up
// to one piece fewer than `knownPieces` when a solution of that many is
// already known; each search may explore `limits.maxStates`. Gives up
// (undecided) on the states or the cancel flag of `limits`.
FewestPieces fewestPieces(const Level& start, const SolveLimits& limits, int knownPieces = -1);
inline FewestPieces fewestPieces(const Level& start, long maxStates)
{
    return fewestPieces(start, SolveLimits{.maxStates = maxStates});
}

// The most pieces fewestPieces searches with.
int mostPiecesToSearch(const Level& start, int knownPieces);

// What fewestPieces makes of its searches with 0, 1, ... up to `most`
// pieces, each the answer of `search`.
FewestPieces fewestUpwards(int most, int knownPieces,
                           const std::function<SolveResult(int pieces)>& search);

} // namespace prismora
