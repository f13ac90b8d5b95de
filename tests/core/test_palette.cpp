// Palette rows: the 49-character text format, counts and the row <-> kind tables.
#include "core/game_modes.h"
#include "core/palette.h"
#include "core/text.h"

#include <gtest/gtest.h>

namespace prismora {
namespace {

TEST(PaletteRowTest, ANewRowIsTheNamePaddedTo49CharactersThenTheCount)
{
    const std::string row = BuildPaletteRow("T-koppling 2", 0);
    EXPECT_EQ(row, "T-koppling 2" + std::string(37, ' ') + "0");
    EXPECT_EQ(CharacterCount(row), 50u);
    // Non-ASCII names pad by characters, not bytes.
    EXPECT_EQ(CharacterCount(BuildPaletteRow("Röd lampa", 3)), 50u);
    EXPECT_EQ(ReadRowCount(BuildPaletteRow("Röd lampa", 3)), 3);
}

TEST(PaletteRowTest, CountsMoveByOneAndOnlyThreeCharactersAreReadBack)
{
    std::string row = BuildPaletteRow("Spegel", 0);
    row = DecreaseRowCount(row);
    EXPECT_EQ(ReadRowCount(row), -1);
    row = IncreaseRowCount(IncreaseRowCount(row));
    EXPECT_EQ(ReadRowCount(row), 1);

    const std::string big = IncreaseRowCount(BuildPaletteRow("Bomb", 999));
    EXPECT_EQ(big, "Bomb" + std::string(45, ' ') + "1000");
    EXPECT_EQ(ReadRowCount(big), 100);
    EXPECT_FALSE(ReadRowCount("Spegel"));
    EXPECT_FALSE(ReadRowCount(std::string(49, ' ') + "x1"));
}

TEST(PaletteRowTest, RowsAndKindsMapBothWays)
{
    const std::array<int, 7> playKinds{0, 1, 4, 2, 3, 11, 12};
    for (int row = 0; row < PlayRowCount; ++row) {
        const PieceKind kind = *RowToKind(row);
        EXPECT_EQ(static_cast<int>(kind), playKinds[static_cast<std::size_t>(row)]);
        EXPECT_EQ(KindToRow(kind), row);
    }
    EXPECT_EQ(KindToRow(PieceKind::WhiteLamp), 16);
    EXPECT_EQ(KindToRow(PieceKind::Obstacle), 13);
    EXPECT_FALSE(KindToRow(PieceKind::OffBoard));
    EXPECT_FALSE(KindToRow(PieceKind::EmptyCell));
    EXPECT_FALSE(KindToRow(PieceKind{16}));
    EXPECT_FALSE(RowToKind(11));
    EXPECT_EQ(RowToCannonColor(11), GreenBeam);
    EXPECT_EQ(CannonColorToRow(BlueBeam), 12);
    EXPECT_FALSE(CannonColorToRow(0));
}

TEST(GameModesTest, EditModeAppendsTheFixedRowsOnceAndPlayModeCutsThemAgain)
{
    Game game;
    game.palette.AppendRows(0, PlayRowCount - 1);
    game.palette.Increase(0);
    EnterEditMode(game);
    EnterEditMode(game);
    EXPECT_EQ(game.palette.RowCount(), EditRowCount);
    EXPECT_EQ(game.palette.Count(0), 1);
    EXPECT_FALSE(game.board.PlayMode);

    game.palette.Select(12);
    EnterPlayMode(game);
    EXPECT_EQ(game.palette.RowCount(), PlayRowCount);
    EXPECT_EQ(game.palette.Selected(), -1);
    EXPECT_EQ(game.palette.Count(0), 1);
    EXPECT_TRUE(game.board.PlayMode);
}

TEST(GameModesTest, EditingWithAnEmptyPaletteKeepsRowsMatchingTheirKinds)
{
    Game game;
    EnterEditMode(game);
    ASSERT_EQ(game.palette.RowCount(), EditRowCount);
    EXPECT_EQ(CharacterSlice(game.palette.RowText(0), 0, 6), "Spegel");
    EXPECT_EQ(CharacterSlice(game.palette.RowText(7), 0, 9), "Röd lampa");
}

} // namespace
} // namespace prismora
