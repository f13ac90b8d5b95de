// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Planting a solution: cannons on the edges, pieces dropped on the beams one
// by one, lamps where the finished beams run and bombs where they ran before.
#include "core/level_generator_planting.h"

#include "core/palette.h"

#include <algorithm>

namespace prismora {
namespace {

constexpr std::int32_t Colours[] = {RedBeam, GreenBeam, BlueBeam};

int colourBit(std::int32_t colour)
{
    return colour == RedBeam ? 1 : colour == GreenBeam ? 2 : colour == BlueBeam ? 4 : 0;
}

std::size_t cellIndex(int column, int row) { return static_cast<std::size_t>(row * 10 + column); }

int randomBelow(Random& random, int bound)
{
    return static_cast<int>(random.uniform(static_cast<std::uint64_t>(bound)));
}

void placeCannons(Level& level, Random& random, int cannons)
{
    for (int c = 0; c < cannons; ++c) {
        const int along = 1 + randomBelow(random, 9);
        const int side = randomBelow(random, 4);
        const int column = side == 0 ? 1 : side == 1 ? 9 : along;
        const int row = side == 2 ? 1 : side == 3 ? 9 : along;
        const std::uint8_t direction = side == 0 ? 0 : side == 1 ? 4 : side == 2 ? 6 : 2;
        if (!isCellTaken(level, column, row)) {
            appendCannon(level, column, row, direction, Colours[c % 3]);
        }
    }
}

// The kinds of the pieces to plant, in the order they are dropped: the
// required ones and the rest drawn from the recipe's kinds, shuffled.
std::vector<PieceKind> plantingOrder(Random& random, const PlantingRecipe& recipe)
{
    std::vector<PieceKind> kinds(recipe.required);
    while (static_cast<int>(kinds.size()) < recipe.pieces && !recipe.kinds.empty()) {
        kinds.push_back(recipe.kinds[random.uniform(recipe.kinds.size())]);
    }
    random.shuffle(kinds);
    return kinds;
}

// Drops pieces on cells a beam enters until the recipe's count stands; each
// must bring a beam or a colour into at least two cells that did not have it,
// and leave a beam on every piece dropped before.
bool dropPieces(Level& level, std::vector<Placement>& solution, Random& random,
                const PlantingRecipe& recipe, CellColours& everCrossed)
{
    const std::vector<PieceKind> kinds = plantingOrder(random, recipe);
    for (int tries = 0; solution.size() < kinds.size() && tries < 600; ++tries) {
        const CellColours crossed = coloursOnCells(evaluate(level));
        const int column = 1 + randomBelow(random, 9);
        const int row = 1 + randomBelow(random, 9);
        if (!(crossed[cellIndex(column, row)] & 8) || isCellTaken(level, column, row)) {
            continue;
        }
        const Placement placement{kinds[solution.size()], column, row,
                                  static_cast<std::uint8_t>(randomBelow(random, 8))};
        Level tried = level;
        placePieces(tried, std::span(&placement, 1));
        const CellColours after = coloursOnCells(evaluate(tried));
        int changedCells = 0;
        for (std::size_t i = 0; i < after.size(); ++i) {
            changedCells += (after[i] & ~crossed[i]) != 0 ? 1 : 0;
        }
        const bool earlierStillCrossed =
            std::all_of(solution.begin(), solution.end(),
                        [&](const Placement& p) { return after[cellIndex(p.column, p.row)] & 8; });
        if (changedCells < 2 || !earlierStillCrossed) {
            continue;
        }
        level = tried;
        solution.push_back(placement);
        for (std::size_t i = 0; i < after.size(); ++i) {
            everCrossed[i] |= after[i];
        }
    }
    return solution.size() == kinds.size();
}

// A one-way piece on a cell the finished beams cross in one direction only,
// letting them through; beams of other solutions coming the other way stop.
void placeOneWay(Level& level, Random& random)
{
    const Evaluation solved = evaluate(level);
    std::vector<std::pair<Cell, std::uint8_t>> straight;
    for (int column = 2; column <= 8; ++column) {
        for (int row = 2; row <= 8; ++row) {
            if (isCellTaken(level, column, row)) {
                continue;
            }
            int directions = 0;
            std::uint8_t direction = 0;
            for (const BeamSegment& s : solved.segments) {
                if (s.toColumn == column && s.toRow == row) {
                    for (std::uint8_t k = 0; k < 8; ++k) {
                        const Step step = stepOf(k);
                        if (step.dx == s.toColumn - s.fromColumn &&
                            step.dy == s.toRow - s.fromRow) {
                            directions |= 1 << k;
                            direction = k;
                        }
                    }
                }
            }
            if (directions != 0 && (directions & (directions - 1)) == 0) {
                straight.push_back({Cell{column, row}, direction});
            }
        }
    }
    if (!straight.empty()) {
        const auto& [cell, direction] = straight[static_cast<std::size_t>(
            randomBelow(random, static_cast<int>(straight.size())))];
        appendPiece(level, PieceKind::OneWay, cell.column, cell.row, direction);
    }
}

bool placeWhiteLamp(Level& level, Random& random)
{
    const CellColours onCells = coloursOnCells(evaluate(level));
    std::vector<int> white;
    for (int cell = 0; cell < 100; ++cell) {
        if ((onCells[static_cast<std::size_t>(cell)] & 7) == 7 &&
            !isCellTaken(level, cell % 10, cell / 10)) {
            white.push_back(cell);
        }
    }
    if (white.empty()) {
        return false;
    }
    const int cell =
        white[static_cast<std::size_t>(randomBelow(random, static_cast<int>(white.size())))];
    appendPiece(level, PieceKind::WhiteLamp, cell % 10, cell / 10, 0);
    return true;
}

} // namespace

int placeLampsAndBombs(Level& level, Random& random, const CellColours& atStart,
                       const CellColours& everCrossed, int mostLamps, int mostBombs)
{
    const CellColours onCells = coloursOnCells(evaluate(level));
    std::vector<int> free;
    for (int cell = 0; cell < 100; ++cell) {
        if (isBoardCell(cell % 10, cell / 10) && !isCellTaken(level, cell % 10, cell / 10)) {
            free.push_back(cell);
        }
    }
    random.shuffle(free);
    int lamps = 0;
    int bombs = 0;
    for (const int cell : free) {
        const int bits = onCells[static_cast<std::size_t>(cell)];
        const int column = cell % 10;
        const int row = cell / 10;
        const bool crossedAtStart = atStart[static_cast<std::size_t>(cell)] & 8;
        if ((bits & 7) == 7 && lamps < mostLamps) {
            appendPiece(level, PieceKind::WhiteLamp, column, row, 0), ++lamps;
        } else if ((bits & 7) != 0 && lamps < mostLamps && !crossedAtStart) {
            const PieceKind lamp = (bits & 1)   ? PieceKind::RedLamp
                                   : (bits & 2) ? PieceKind::GreenLamp
                                                : PieceKind::BlueLamp;
            appendPiece(level, lamp, column, row, 0), ++lamps;
        } else if (!(bits & 8) && bombs < mostBombs && !crossedAtStart &&
                   (everCrossed[static_cast<std::size_t>(cell)] & 8)) {
            appendPiece(level, PieceKind::Bomb, column, row, 0), ++bombs;
        }
    }
    return lamps;
}

namespace {

// True when some cannon fires straight into another cannon or an obstacle:
// a cannon the player can never use only puzzles.
bool hasBlockedCannon(const Level& level)
{
    for (const BeamSource& s : level.sources) {
        const Step step = stepOf(s.direction);
        const int column = s.column + step.dx;
        const int row = s.row + step.dy;
        if (!s.isCannon() || !isBoardCell(column, row)) {
            continue;
        }
        const bool cannonAhead =
            std::any_of(level.sources.begin(), level.sources.end(), [&](const BeamSource& o) {
                return o.isCannon() && o.column == column && o.row == row;
            });
        const bool obstacleAhead =
            std::any_of(level.pieces.begin(), level.pieces.end(), [&](const Piece& p) {
                return p.kind == PieceKind::Obstacle && p.column == column && p.row == row;
            });
        if (cannonAhead || obstacleAhead) {
            return true;
        }
    }
    return false;
}

} // namespace

Level puzzleOf(const Level& solved, const std::vector<Placement>& solution)
{
    Level puzzle;
    puzzle.palette.assign(PlayRowCount, 0);
    for (const Piece& p : solved.pieces) {
        if (!p.removed && !isPlaceableKind(p.kind)) {
            appendPiece(puzzle, p.kind, p.column, p.row, p.direction);
        }
    }
    for (const BeamSource& s : solved.sources) {
        if (s.isCannon()) {
            appendCannon(puzzle, s.column, s.row, s.direction, s.colour);
        }
    }
    for (const Placement& p : solution) {
        ++puzzle.palette[static_cast<std::size_t>(*rowOfKind(p.kind))];
    }
    return puzzle;
}

CellColours coloursOnCells(const Evaluation& evaluation)
{
    CellColours colours{};
    for (const BeamSegment& s : evaluation.segments) {
        if (isBoardCell(s.toColumn, s.toRow)) {
            colours[cellIndex(static_cast<int>(s.toColumn), static_cast<int>(s.toRow))] |=
                colourBit(s.colour) | 8;
        }
    }
    return colours;
}

Level solvedLevel(const Planted& planted)
{
    Level level = planted.puzzle;
    placePieces(level, planted.solution);
    return level;
}

std::optional<Planted> plant(Random& random, const PlantingRecipe& recipe)
{
    Level level;
    level.palette.assign(PlayRowCount, 0);
    placeCannons(level, random, recipe.cannons);
    for (int o = randomBelow(random, recipe.mostObstacles + 1); o > 0; --o) {
        const int column = 2 + randomBelow(random, 7);
        const int row = 2 + randomBelow(random, 7);
        if (!isCellTaken(level, column, row)) {
            appendPiece(level, PieceKind::Obstacle, column, row, 0);
        }
    }
    const CellColours atStart = coloursOnCells(evaluate(level));
    CellColours everCrossed = atStart;
    std::vector<Placement> solution;
    if (!dropPieces(level, solution, random, recipe, everCrossed)) {
        return std::nullopt;
    }
    if (recipe.oneWay) {
        placeOneWay(level, random);
    }
    if (recipe.whiteLamp && !placeWhiteLamp(level, random)) {
        return std::nullopt;
    }
    placeLampsAndBombs(level, random, atStart, everCrossed, recipe.firstLamps, recipe.firstBombs);
    if (hasBlockedCannon(level)) {
        return std::nullopt;
    }
    Planted planted{puzzleOf(level, solution), solution};
    const Evaluation first = evaluate(planted.puzzle);
    if (first.verdict == Verdict::Solved || first.verdict == Verdict::Bomb ||
        first.verdict == Verdict::NoLamps || !solvesLevel(planted.puzzle, solution)) {
        return std::nullopt;
    }
    return planted;
}

} // namespace prismora
