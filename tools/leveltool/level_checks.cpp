// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A level as a player meets it: not solved yet, no bomb going off by itself,
// solvable, and the designer's solution working whatever order it is placed in.
// The measures of a good level (core/level_measures.h) come on top of these.
#include "level_checks.h"

#include "core/evaluation.h"
#include "core/palette.h"
#include "core/solver_checks.h"

namespace prismora {
namespace {

constexpr std::uint32_t OrderSeed = 20261208;
constexpr int RandomOrders = 200;
// The first two levels teach with a single piece.
constexpr int FirstLevelNeedingTwo = 3;
constexpr std::size_t FewestMasterPieces = 4;
constexpr std::size_t MostMasterPieces = 7;

// A piece taken from the palette arrives at column 1, row 1 facing east; on a
// beam there it must not send the beam into a bomb before the player moves it.
bool arrivalExplodes(const Level& loaded)
{
    for (int row = 0; row < PlayRowCount; ++row) {
        if (paletteCount(loaded, row) > 0) {
            const Placement arrival{*kindOfRow(row), 1, 1, 0};
            if (verdictAfter(loaded, std::span(&arrival, 1)) == Verdict::Bomb) {
                return true;
            }
        }
    }
    return false;
}

} // namespace

LevelCheck checkLevel(const Level& built, const Level& loaded, int number)
{
    LevelCheck check;
    auto fail = [&](std::string why) {
        check.failure = std::move(why);
        return check;
    };
    if (evaluate(built).verdict != Verdict::Solved) {
        return fail("the designer's solution does not light every lamp");
    }
    const Verdict first = evaluate(loaded).verdict;
    if (first == Verdict::Solved) {
        return fail("solved on loading");
    }
    if (first == Verdict::Bomb) {
        return fail("a bomb goes off on loading");
    }
    if (arrivalExplodes(loaded)) {
        return fail("a piece taken from the palette sets off a bomb where it arrives");
    }
    const SolveResult solved = solve(loaded);
    check.states = solved.states;
    if (solved.status != SolveStatus::Solved) {
        return fail("the solver finds no solution");
    }
    if (number >= FirstLevelNeedingTwo && solvableWith(loaded, 1)) {
        return fail("one piece is enough");
    }
    const std::vector<Placement> pieces = placedPieces(built);
    if (!solvesLevel(loaded, pieces)) {
        return fail("the designer's solution fails as saved");
    }
    if (orderThatFails(loaded, pieces, OrderSeed, RandomOrders)) {
        return fail("the designer's solution fails in some placing order");
    }
    if (number >= FirstMasterLevel &&
        (pieces.size() < FewestMasterPieces || pieces.size() > MostMasterPieces)) {
        return fail("a master level needs four to seven pieces");
    }
    return check;
}

} // namespace prismora
