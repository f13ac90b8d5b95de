// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Records a hand-edited file puts at the ends of the 32-bit range: the pointer's pick and the
// solver's scoring stay exact there (the sanitized twin turns any overflow into a failure).
#include "level_builder.h"

#include "core/level_file.h"
#include "core/play.h"
#include "core/solver.h"
#include "core/solver_score.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace prismora {
namespace {

constexpr std::int32_t Lowest = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t Highest = std::numeric_limits<std::int32_t>::max();

TEST(ExtremeCoordinatesTest, PickingComparesWholeCellNumbers)
{
    Level level = testing::playLevel();
    testing::place(level, PieceKind::Mirror, -2147483645, 1);
    testing::place(level, PieceKind::Cross, Highest, Lowest);
    level.mode = Mode::Edit;
    testing::cannon(level, Lowest, Highest, 0, RedBeam);
    // Cell numbers a 32-bit sum would wrap onto the records.
    const std::int64_t wrap = std::int64_t{1} << 32;
    for (const auto& [column, row] : {std::pair<std::int64_t, std::int64_t>{3, 1},
                                      {-2147483645 + wrap, 1},
                                      {std::int64_t{Highest} - wrap, Lowest},
                                      {std::int64_t{Lowest} + wrap, Highest}}) {
        EXPECT_TRUE(findGrabbable(level, column, row).isNothing()) << column << "," << row;
    }
    EXPECT_EQ(findGrabbable(level, Highest, Lowest), Grab::piece(1));
}

TEST(ExtremeCoordinatesTest, SolverScoresLampsAtTheLimits)
{
    for (const char* file : {"[Sak5\nTyp=5\rTop=0x7FFFFFFF", "[Sak5]\nTyp=15\nLeft=-2147483648\n",
                             "[Sak0]\nTyp=6\nTop=0x7FFFFFFF\nLeft=0x7FFFFFFF\n"}) {
        Level level = parseLevel(file).level;
        ASSERT_EQ(level.pieces.size(), 1u) << file;
        testing::place(level, PieceKind::BlueLamp, 5, 5);
        testing::cannon(level, 1, 5, 0, RedBeam);
        level.palette[0] = 1;
        const Evaluation evaluation = evaluate(level);
        EXPECT_GE(positionScore(level, evaluation, ColourCoverage(evaluation)), 0) << file;
        EXPECT_NE(solve(level, {2000, -1}).status, SolveStatus::Solved) << file;
    }
}

} // namespace
} // namespace prismora
