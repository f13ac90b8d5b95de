// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Planting a level's solution first: cannons, the pieces dropped on the beams, then lamps and
// bombs.
#pragma once

#include "core/evaluation.h"
#include "core/random.h"
#include "core/solver.h"

#include <array>
#include <optional>
#include <vector>

namespace prismora {

struct Planted {
    Level puzzle; // fixed pieces and cannons, the solution's pieces in hand
    std::vector<Placement> solution;
};

struct PlantingRecipe {
    int pieces = 5;
    // The kinds the drawn pieces come from (a kind listed twice is drawn twice as often).
    std::vector<PieceKind> kinds{PieceKind::Mirror,   PieceKind::Mirror,    PieceKind::DoubleMirror,
                                 PieceKind::Cross,    PieceKind::TCoupling, PieceKind::TCoupling2,
                                 PieceKind::Inverter, PieceKind::YCoupling};
    // Kinds the solution holds whatever is drawn.
    std::vector<PieceKind> required;
    int cannons = 3;
    // Most obstacles put down before the pieces (0 to this many).
    int mostObstacles = 3;
    bool oneWay = false;
    // A white lamp where the finished beams bring all three colours.
    bool whiteLamp = false;
    // Lamps and bombs put down at once; more follow where other solutions differ.
    int firstLamps = 4;
    int firstBombs = 4;
};

// Colour bits entering each board cell (1 red, 2 green, 4 blue, 8 any beam),
// indexed row * 10 + column.
using CellColours = std::array<int, 100>;
CellColours coloursOnCells(const Evaluation& evaluation);

// Lamps on free cells the finished beams cross (white where all three colours
// do, else of a colour that crosses, and not where a beam ran before any piece
// was placed) and bombs on free cells only beams on the way crossed, in
// random order, up to the given numbers. Returns the number of lamps placed.
int placeLampsAndBombs(Level& level, Random& random, const CellColours& atStart,
                       const CellColours& everCrossed, int mostLamps, int mostBombs);

// The level as a player meets it: the fixed pieces and cannons of `solved`,
// the solution's pieces in hand.
Level puzzleOf(const Level& solved, const std::vector<Placement>& solution);

// The level with the solution placed, as the designer draws it.
Level solvedLevel(const Planted& planted);

// A level whose solution is planted: it starts unsolved without a bomb hit,
// and the solution solves it. Nothing when this draw did not work out.
std::optional<Planted> plant(Random& random, const PlantingRecipe& recipe);

} // namespace prismora
