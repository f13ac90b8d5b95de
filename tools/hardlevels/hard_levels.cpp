// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Random hard levels made by planting a solution first: 4 to 6 pieces, 3 or 4 cannons, lamps,
// bombs.
#include "hard_levels.h"

#include "core/evaluation.h"
#include "core/palette.h"

#include <string>

namespace prismora {

std::optional<Planted> plantHardLevel(Random& random)
{
    Planted planted;
    Level& level = planted.puzzle;
    level.palette.assign(PlayRowCount, 0);
    const std::int32_t colours[] = {RedBeam, GreenBeam, BlueBeam};
    const int cannons = 3 + static_cast<int>(random.uniform(2));
    for (int c = 0; c < cannons; ++c) {
        const int along = 1 + static_cast<int>(random.uniform(9));
        const int side = static_cast<int>(random.uniform(4));
        const int column = side == 0 ? 1 : side == 1 ? 9 : along;
        const int row = side == 2 ? 1 : side == 3 ? 9 : along;
        const std::uint8_t direction = side == 0 ? 0 : side == 1 ? 4 : side == 2 ? 6 : 2;
        if (isCellTaken(level, column, row)) {
            continue;
        }
        appendCannon(level, column, row, direction, colours[random.uniform(3)]);
    }
    for (int o = static_cast<int>(random.uniform(4)); o > 0; --o) {
        const int column = 2 + static_cast<int>(random.uniform(7));
        const int row = 2 + static_cast<int>(random.uniform(7));
        if (!isCellTaken(level, column, row)) {
            appendPiece(level, PieceKind::Obstacle, column, row, 0);
        }
    }
    const Level start = level;
    const int pieces = 4 + static_cast<int>(random.uniform(3));
    CellColours passing{}; // cells crossed by a beam after some of the pieces
    const PieceKind kinds[] = {PieceKind::Mirror,   PieceKind::Mirror,    PieceKind::DoubleMirror,
                               PieceKind::Cross,    PieceKind::TCoupling, PieceKind::TCoupling2,
                               PieceKind::Inverter, PieceKind::YCoupling, PieceKind::Mirror};
    for (int tries = 0; static_cast<int>(planted.solution.size()) < pieces && tries < 400;
         ++tries) {
        const CellColours crossed = coloursOnCells(evaluate(level));
        const int column = 1 + static_cast<int>(random.uniform(9));
        const int row = 1 + static_cast<int>(random.uniform(9));
        if (!(crossed[static_cast<std::size_t>(row * 10 + column)] & 8) ||
            isCellTaken(level, column, row)) {
            continue;
        }
        const Placement placement{kinds[random.uniform(9)], column, row,
                                  static_cast<std::uint8_t>(random.uniform(8))};
        Level tried = level;
        placePieces(tried, std::span(&placement, 1));
        // The piece must turn or split a beam, not only stop it.
        const auto after = coloursOnCells(evaluate(tried));
        int newCells = 0;
        for (std::size_t i = 0; i < after.size(); ++i) {
            newCells += (after[i] & 8) && !(crossed[i] & 8) ? 1 : 0;
        }
        if (newCells < 2) {
            continue;
        }
        level = tried;
        planted.solution.push_back(placement);
        for (std::size_t i = 0; i < after.size(); ++i) {
            passing[i] |= after[i];
        }
    }
    if (static_cast<int>(planted.solution.size()) < pieces) {
        return std::nullopt;
    }
    const CellColours atStart = coloursOnCells(evaluate(start));
    constexpr int MostLamps = 5;
    constexpr int MostBombs = 3;
    if (placeLampsAndBombs(level, random, atStart, passing, MostLamps, MostBombs) < 3) {
        return std::nullopt;
    }
    const Level puzzle = puzzleOf(level, planted.solution);
    const Evaluation first = evaluate(puzzle);
    if (first.verdict == Verdict::Solved || first.verdict == Verdict::Bomb ||
        !solvesLevel(puzzle, planted.solution)) {
        return std::nullopt;
    }
    planted.puzzle = puzzle;
    return planted;
}

std::vector<Level> hardLevels(unsigned seed, int count)
{
    Random random(seed);
    std::vector<Level> levels;
    while (static_cast<int>(levels.size()) < count) {
        if (const std::optional<Planted> planted = plantHardLevel(random)) {
            levels.push_back(planted->puzzle);
            levels.back().name = "Svår " + std::to_string(levels.size());
        }
    }
    return levels;
}

} // namespace prismora
