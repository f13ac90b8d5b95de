// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// One stepping module for the tracer and the solver: every beam evaluate() draws lies in the reach
// map, on the shipped levels and on seeded random positions.
#include "level_builder.h"

#include "core/evaluation.h"
#include "core/level_file.h"
#include "core/solver_reach.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>

namespace prismora {
namespace {

using testing::cannon;
using testing::place;
using testing::playLevel;

int directionOf(const BeamSegment& segment)
{
    for (std::uint8_t d = 0; d < 8; ++d) {
        const Step step = stepOf(d);
        if (segment.toColumn - segment.fromColumn == step.dx &&
            segment.toRow - segment.fromRow == step.dy) {
            return d;
        }
    }
    return -1;
}

// The segments of `level` entering a board cell whose arrival the reach map lacks.
int segmentsOutsideReach(const Level& level)
{
    const ReachMap reach = mapReach(level);
    int outside = 0;
    for (const BeamSegment& segment : evaluate(level).segments) {
        if (!isBoardCell(segment.toColumn, segment.toRow)) {
            continue;
        }
        const std::uint32_t bit =
            1u << (directionOf(segment) * ColourSlots + static_cast<int>(slotOf(segment.colour)));
        const auto cell =
            boardCellIndex(static_cast<int>(segment.toColumn), static_cast<int>(segment.toRow));
        outside += (reach.arrivals[cell] & bit) != 0 ? 0 : 1;
    }
    return outside;
}

TEST(BeamStepTest, EveryTracedSegmentOfAShippedLevelLiesInTheReachMap)
{
    const auto levels = std::filesystem::path(PRISMORA_TEST_DATA) / ".." / ".." / "levels";
    int checked = 0;
    for (const auto& entry : std::filesystem::directory_iterator(levels)) {
        const auto loaded = loadLevel(entry.path());
        ASSERT_TRUE(loaded.ok()) << entry.path();
        EXPECT_EQ(segmentsOutsideReach(loaded.value().level), 0) << entry.path();
        ++checked;
    }
    EXPECT_EQ(checked, 60);
}

// Random boards of every kind, pieces on cannons' cells and on each other
// included, so loops, chains of outputs and inverters keeping colours occur.
TEST(BeamStepTest, EveryTracedSegmentOfARandomPositionLiesInTheReachMap)
{
    const unsigned seed = 20261209;
    std::mt19937 random(seed);
    const std::int32_t colours[] = {RedBeam, GreenBeam, BlueBeam, WhiteBeam, 12345};
    for (int round = 0; round < 300; ++round) {
        Level level = playLevel();
        std::vector<std::pair<int, int>> cannons;
        for (int c = 1 + static_cast<int>(random() % 4); c > 0; --c) {
            const int column = 1 + static_cast<int>(random() % 9);
            const int row = 1 + static_cast<int>(random() % 9);
            cannon(level, column, row, static_cast<int>(random() % 8), colours[random() % 5]);
            cannons.emplace_back(column, row);
        }
        for (int p = 4 + static_cast<int>(random() % 20); p > 0; --p) {
            const auto kind = static_cast<PieceKind>(random() % 16);
            const auto& onCannon = cannons[random() % cannons.size()];
            const bool isOnCannon = random() % 5 == 0;
            place(level, kind, isOnCannon ? onCannon.first : static_cast<int>(random() % 10),
                  isOnCannon ? onCannon.second : static_cast<int>(random() % 10),
                  static_cast<int>(random() % 8));
        }
        level.mode = random() % 2 == 0 ? Mode::Play : Mode::Edit;
        ASSERT_EQ(segmentsOutsideReach(level), 0) << "round " << round << ", seed " << seed;
    }
}

} // namespace
} // namespace prismora
