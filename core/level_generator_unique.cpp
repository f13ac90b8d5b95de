// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Refining a planted level until its solution is the only one.
#include "core/level_generator_unique.h"

#include "core/solver_common.h"

#include <algorithm>

namespace prismora {
namespace {

struct Change {
    PieceKind kind;
    int column;
    int row;
};

std::size_t cellIndex(int column, int row) { return static_cast<std::size_t>(row * 10 + column); }

bool isSolutionCell(const std::vector<Placement>& solution, int column, int row)
{
    return std::any_of(solution.begin(), solution.end(),
                       [&](const Placement& p) { return p.column == column && p.row == row; });
}

PieceKind lampFor(int bits, Random& random)
{
    if (bits == 7 && random.chance(1, 2)) {
        return PieceKind::WhiteLamp;
    }
    const PieceKind lamps[] = {PieceKind::RedLamp, PieceKind::GreenLamp, PieceKind::BlueLamp};
    std::vector<PieceKind> options;
    for (int c = 0; c < 3; ++c) {
        if (bits & (1 << c)) {
            options.push_back(lamps[c]);
        }
    }
    return options[random.uniform(options.size())];
}

// Cells where the planted solution's beams never went while it was placed in
// its own order: a bomb there cannot go off on the way to it.
CellColours crossedOnTheWay(const Planted& planted)
{
    Level level = planted.puzzle;
    CellColours crossed = coloursOnCells(evaluate(level));
    for (const Placement& p : planted.solution) {
        placePieces(level, std::span(&p, 1));
        const CellColours now = coloursOnCells(evaluate(level));
        for (std::size_t i = 0; i < crossed.size(); ++i) {
            crossed[i] |= now[i];
        }
    }
    return crossed;
}

// Lamps the planted solution lights and `other` leaves dark, bombs only
// `other` reaches or stands on, and obstacles where only `other` puts a piece.
std::vector<Change> changesAgainst(const Planted& planted, const std::vector<Placement>& other,
                                   Random& random, const UniquenessBudget& budget, int lamps,
                                   int bombs)
{
    const CellColours mine = coloursOnCells(evaluate(solvedLevel(planted)));
    Level theirsLevel = planted.puzzle;
    placePieces(theirsLevel, other);
    const CellColours theirs = coloursOnCells(evaluate(theirsLevel));
    const CellColours onTheWay = crossedOnTheWay(planted);
    const CellColours atStart = coloursOnCells(evaluate(planted.puzzle));
    std::vector<Change> changes;
    for (int column = 1; column <= 9; ++column) {
        for (int row = 1; row <= 9; ++row) {
            if (isCellTaken(planted.puzzle, column, row) ||
                isSolutionCell(planted.solution, column, row)) {
                continue;
            }
            const int m = mine[cellIndex(column, row)];
            const int t = theirs[cellIndex(column, row)];
            const bool theyUseIt = (t & 8) || isSolutionCell(other, column, row);
            const bool litAtStart =
                budget.lampsDarkAtStart && (atStart[cellIndex(column, row)] & 8);
            if (lamps < budget.mostLamps && (m & 7 & ~t) != 0 && !litAtStart) {
                changes.push_back({lampFor(m & 7, random), column, row});
            } else if (bombs < budget.mostBombs && theyUseIt &&
                       !(onTheWay[cellIndex(column, row)] & 8)) {
                changes.push_back({PieceKind::Bomb, column, row});
            } else if (isSolutionCell(other, column, row) && !(m & 8)) {
                // An obstacle may open a new way; the next count finds it.
                changes.push_back({PieceKind::Obstacle, column, row});
            }
        }
    }
    random.shuffle(changes);
    return changes;
}

bool isPlayable(const Level& puzzle, const std::vector<Placement>& solution)
{
    const Verdict first = evaluate(puzzle).verdict;
    return first == Verdict::LampsLeft && solvesLevel(puzzle, solution);
}

int countOf(const Level& level, PieceKind kind)
{
    return static_cast<int>(std::count_if(level.pieces.begin(), level.pieces.end(),
                                          [&](const Piece& p) { return p.kind == kind; }));
}

int lampCount(const Level& level)
{
    return countOf(level, PieceKind::RedLamp) + countOf(level, PieceKind::GreenLamp) +
           countOf(level, PieceKind::BlueLamp) + countOf(level, PieceKind::WhiteLamp);
}

} // namespace

std::optional<Planted> makeUnique(Planted planted, Random& random, const UniquenessBudget& budget)
{
    Level work = planted.puzzle;
    const auto mine = solutionSignature(planted.puzzle, work, planted.solution);
    if (!mine) {
        return std::nullopt;
    }
    for (int round = 0; round <= budget.rounds; ++round) {
        const CountResult count = countSolutions(
            planted.puzzle, 2, {.maxStates = budget.states, .cancel = budget.cancel});
        if (!count.isExact || count.solutions == 0) {
            return std::nullopt;
        }
        if (count.solutions == 1) {
            work = planted.puzzle;
            return solutionSignature(planted.puzzle, work, count.found.front()) == mine
                       ? std::optional(planted)
                       : std::nullopt;
        }
        const std::vector<Placement>* other = nullptr;
        for (const auto& found : count.found) {
            work = planted.puzzle;
            if (solutionSignature(planted.puzzle, work, found) != mine) {
                other = &found;
                break;
            }
        }
        if (!other || round == budget.rounds) {
            return std::nullopt;
        }
        bool changed = false;
        for (const Change& change :
             changesAgainst(planted, *other, random, budget, lampCount(planted.puzzle),
                            countOf(planted.puzzle, PieceKind::Bomb))) {
            Level tried = planted.puzzle;
            appendPiece(tried, change.kind, change.column, change.row, 0);
            if (isPlayable(tried, planted.solution)) {
                planted.puzzle = tried;
                changed = true;
                break;
            }
        }
        if (!changed) {
            return std::nullopt;
        }
    }
    return std::nullopt;
}

} // namespace prismora
