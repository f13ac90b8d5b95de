// A random level made by planting its solution first.
#pragma once

#include "core/evaluation.h"
#include "core/solver.h"

#include <array>
#include <optional>
#include <random>
#include <string_view>
#include <vector>

namespace prismora {

struct Planted {
    Level puzzle; // fixed pieces and cannons, the solution's pieces in hand
    std::vector<Placement> solution;
};

struct PlantingRecipe {
    int pieces = 5;
    // Letters of the leveltool's tokens (M D X T U I Y) to draw kinds from.
    std::string_view kinds = "MMDXTUIY";
    // Letters of kinds the solution holds whatever is drawn.
    std::string_view required;
    int cannons = 3;
    bool oneWay = false;
    // A white lamp where the finished beams bring all three colours.
    bool whiteLamp = false;
};

// Colour bits entering each board cell (1 red, 2 green, 4 blue, 8 any beam),
// indexed row * 10 + column.
using CellColours = std::array<int, 100>;
CellColours coloursOnCells(const Evaluation& evaluation);

bool occupiedCell(const Level& level, int column, int row);

// Lamps on free cells the finished beams cross (white where all three colours
// do, else of a colour that crosses, and not where a beam ran before any piece
// was placed) and bombs on free cells only beams on the way crossed, in
// random order, up to the given numbers. Returns the number of lamps placed.
int placeLampsAndBombs(Level& level, std::mt19937& random, const CellColours& atStart,
                       const CellColours& everCrossed, int mostLamps, int mostBombs);

// The level as a player meets it: the fixed pieces and cannons of `solved`,
// the solution's pieces in hand.
Level puzzleOf(const Level& solved, const std::vector<Placement>& solution);

// The level with the solution placed, as the designer draws it.
Level solvedLevel(const Planted& planted);

std::optional<Planted> plant(std::mt19937& random, const PlantingRecipe& recipe);

} // namespace prismora
