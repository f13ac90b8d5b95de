// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Counting solutions: levels built with one and with two, and an exhaustive check against brute
// force.
#include "level_builder.h"

#include "core/evaluation.h"
#include "core/palette.h"
#include "core/solver.h"
#include "core/solver_common.h"

#include <gtest/gtest.h>

#include <random>
#include <set>

namespace prismora {
namespace {

using testing::cannon;
using testing::place;
using testing::playLevel;

// Red cannon at (1, 5) firing east, a red lamp at (5, 1): one mirror at
// (5, 5) turns the beam north into it.
Level oneMirror()
{
    Level level = playLevel();
    place(level, PieceKind::RedLamp, 5, 1);
    cannon(level, 1, 5, 0, RedBeam);
    level.palette[0] = 1;
    return level;
}

TEST(SolutionCountTest, OneAndTwoSolutionsAreCountedExactly)
{
    const CountResult one = countSolutions(oneMirror(), 5);
    EXPECT_TRUE(one.isExact);
    EXPECT_EQ(one.solutions, 1) << "directions that act alike on the beam are one solution";

    // A second red cannon firing west along row 3: the mirror may turn either
    // beam north into the lamp.
    Level two = oneMirror();
    cannon(two, 9, 3, 4, RedBeam);
    const CountResult both = countSolutions(two, 5);
    EXPECT_TRUE(both.isExact);
    EXPECT_EQ(both.solutions, 2);
    EXPECT_EQ(countSolutions(two, 1).solutions, 1) << "the count stops at the limit";
}

// Every set of up to two pieces from the hand on every free cell in every
// direction, tried in every order: the solutions whose pieces are all crossed
// by a beam, told apart as countSolutions tells them apart.
int bruteForceCount(const Level& level)
{
    std::vector<PieceKind> hand;
    for (int row = 0; row < PlayRowCount; ++row) {
        for (int n = 0; n < paletteCount(level, row); ++n) {
            hand.push_back(*kindOfRow(row));
        }
    }
    std::vector<Placement> options[2];
    for (std::size_t k = 0; k < hand.size(); ++k) {
        for (int column = 1; column <= BoardCells; ++column) {
            for (int row = 1; row <= BoardCells; ++row) {
                const bool taken = std::any_of(level.pieces.begin(), level.pieces.end(),
                                               [&](const Piece& p) {
                                                   return p.column == column && p.row == row;
                                               }) ||
                                   std::any_of(level.sources.begin(), level.sources.end(),
                                               [&](const BeamSource& s) {
                                                   return s.column == column && s.row == row;
                                               });
                for (std::uint8_t d = 0; d < 8 && !taken; ++d) {
                    options[k].push_back({hand[k], column, row, d});
                }
            }
        }
    }
    std::set<std::string> found;
    Level work = level;
    const auto tryPlacements = [&](const std::vector<Placement>& placements) {
        if (const auto order = workingOrder(level, work, placements)) {
            if (const auto signature = solutionSignature(level, work, *order)) {
                found.insert(*signature);
            }
        }
    };
    tryPlacements({});
    for (const Placement& first : options[0]) {
        tryPlacements({first});
    }
    if (hand.size() == 2) {
        for (const Placement& second : options[1]) {
            tryPlacements({second});
            for (const Placement& first : options[0]) {
                if (first.column != second.column || first.row != second.row) {
                    tryPlacements({first, second});
                }
            }
        }
    }
    return static_cast<int>(found.size());
}

TEST(SolutionCountTest, AgreesWithBruteForceOnSmallRandomLevels)
{
    const unsigned seed = 20261208;
    std::mt19937 random(seed);
    const PieceKind kinds[] = {PieceKind::Mirror,    PieceKind::DoubleMirror, PieceKind::Cross,
                               PieceKind::TCoupling, PieceKind::Inverter,     PieceKind::YCoupling};
    const PieceKind lamps[] = {PieceKind::RedLamp, PieceKind::GreenLamp, PieceKind::WhiteLamp};
    const std::int32_t colours[] = {RedBeam, GreenBeam, BlueBeam};
    int withSolutions = 0;
    for (int round = 0; round < 6; ++round) {
        Level level = playLevel();
        cannon(level, 1, 1 + static_cast<int>(random() % 9), 0, colours[random() % 3]);
        cannon(level, 1 + static_cast<int>(random() % 9), 9, 2, colours[random() % 3]);
        for (int lamp = 0; lamp < 2; ++lamp) {
            place(level, lamps[random() % 3], 2 + static_cast<int>(random() % 8),
                  1 + static_cast<int>(random() % 8));
        }
        place(level, PieceKind::Bomb, 2 + static_cast<int>(random() % 8),
              1 + static_cast<int>(random() % 8));
        for (int piece = 0; piece < 2; ++piece) {
            ++level.palette[static_cast<std::size_t>(*rowOfKind(kinds[random() % 6]))];
        }
        const int expected = bruteForceCount(level);
        const CountResult counted = countSolutions(level, 1000);
        ASSERT_TRUE(counted.isExact);
        EXPECT_EQ(counted.solutions, expected) << "round " << round << ", seed " << seed;
        withSolutions += expected > 0 ? 1 : 0;
    }
    RecordProperty("levels with solutions", withSolutions);
}

} // namespace
} // namespace prismora
