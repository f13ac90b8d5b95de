// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The level's tables: outputs that follow their piece, capacities, directions, the palette rows.
#include "level_builder.h"

#include "core/palette.h"

#include <gtest/gtest.h>

namespace prismora {
namespace {

using testing::place;
using testing::playLevel;

TEST(LevelTest, SplittingPiecesOwnAnOutputThatStandsAndGoesWithThem)
{
    Level level = playLevel();
    const int index = place(level, PieceKind::TCoupling, 1, 1);
    ASSERT_EQ(level.pieces[index].output, 0);
    EXPECT_FALSE(level.sources[0].isCannon());
    level.pieces[index].column = 4;
    level.pieces[index].row = 7;
    EXPECT_EQ(sourceCell(level, 0).column, 4);
    EXPECT_EQ(sourceCell(level, 0).row, 7);
    level.pieces[index].removed = true;
    EXPECT_TRUE(isSourceRemoved(level, 0));
}

TEST(LevelTest, TablesStopAtTheirCapacity)
{
    Level pieces = playLevel();
    for (int i = 0; i < Level::MaxPieces; ++i) {
        ASSERT_TRUE(appendPiece(pieces, PieceKind::Mirror, 1, 1, 0));
    }
    EXPECT_FALSE(appendPiece(pieces, PieceKind::Mirror, 1, 1, 0));
    EXPECT_EQ(pieces.pieces.size(), 99u);

    Level sources = playLevel();
    for (int i = 0; i < Level::CannonIndexLimit; ++i) {
        ASSERT_TRUE(appendCannon(sources, 1, 1, 0, RedBeam));
    }
    EXPECT_FALSE(appendCannon(sources, 1, 1, 0, RedBeam)) << "Cannon50 would never be read back";
    ASSERT_TRUE(appendPiece(sources, PieceKind::TCoupling, 1, 1, 0))
        << "an output may use the last index";
    EXPECT_FALSE(appendPiece(sources, PieceKind::YCoupling, 1, 1, 0))
        << "a splitter without room for its output is refused whole";
    EXPECT_EQ(sources.pieces.size(), 1u);
}

TEST(LevelTest, TurningWrapsAroundAndTakesOddValuesModuloEight)
{
    std::uint8_t direction = 0;
    for (int i = 0; i < 8; ++i) {
        direction = turned(direction, Turn::Anticlockwise);
    }
    EXPECT_EQ(direction, 0);
    EXPECT_EQ(turned(7, Turn::Anticlockwise), 0);
    EXPECT_EQ(turned(0, Turn::Clockwise), 7);
    EXPECT_EQ(turned(255, Turn::Anticlockwise), 0);
    EXPECT_EQ(stepOf(255).dx, stepOf(7).dx);
    EXPECT_EQ(stepOf(255).dy, stepOf(7).dy);
}

TEST(PaletteTest, RowsAndKindsMapBothWays)
{
    const std::array<int, 7> playKinds{0, 1, 4, 2, 3, 11, 12};
    for (int row = 0; row < PlayRowCount; ++row) {
        const PieceKind kind = *kindOfRow(row);
        EXPECT_EQ(static_cast<int>(kind), playKinds[static_cast<std::size_t>(row)]);
        EXPECT_EQ(rowOfKind(kind), row);
    }
    EXPECT_EQ(rowOfKind(PieceKind::WhiteLamp), 16);
    EXPECT_EQ(rowOfKind(PieceKind::Obstacle), 13);
    EXPECT_FALSE(rowOfKind(PieceKind::OffBoard));
    EXPECT_FALSE(rowOfKind(PieceKind{16}));
    EXPECT_FALSE(kindOfRow(11));
    EXPECT_EQ(cannonColourOfRow(11), GreenBeam);
    EXPECT_EQ(rowOfCannonColour(BlueBeam), 12);
    EXPECT_FALSE(rowOfCannonColour(0));
}

} // namespace
} // namespace prismora
