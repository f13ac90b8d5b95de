// Tests of the reduction to the 16 standard colours.
#include "graphics/standard_palette.h"

#include <gtest/gtest.h>

namespace prismora {
namespace {

TEST(StandardPalette, NearestColourAndTies)
{
    const auto& palette = StandardPalette16();
    for (int i = 0; i < 16; ++i) {
        const RgbColor c = palette[std::size_t(i)];
        EXPECT_EQ(NearestStandardIndex(Color32(c.Red, c.Green, c.Blue, 0)), i);
    }
    EXPECT_EQ(palette[7], (RgbColor{0xC0, 0xC0, 0xC0}));
    EXPECT_EQ(palette[8], (RgbColor{0x80, 0x80, 0x80}));
    // Halfway between black and maroon, and between silver and grey: the lower index.
    EXPECT_EQ(NearestStandardIndex(0xFF400000), 0);
    EXPECT_EQ(NearestStandardIndex(0xFFA0A0A0), 7);
    // A pale fringe becomes white, a darker one silver.
    EXPECT_EQ(NearestStandardIndex(0xFFF0F0F0), 15);
    EXPECT_EQ(NearestStandardIndex(0xFFD0D0E0), 7);
}

TEST(StandardPalette, ReductionKeepsLayoutAndIgnoresAlpha)
{
    const TColor32 pixels[] = {0x00FFFFFF, 0xFFFF0000, 0x80000080,
                               0xFFFE0101, 0xFFFF0000, 0x00FFFFFF};
    const ExportBitmap reduced = ReduceToStandard16(pixels, 3, 2);
    ASSERT_EQ(reduced.Format(), PixelFormat::Indexed4);
    ASSERT_EQ(reduced.Width(), 3);
    ASSERT_EQ(reduced.Height(), 2);
    EXPECT_EQ(reduced.Palette().size(), 16u);
    EXPECT_EQ(reduced.Index(0, 0), 15);
    EXPECT_EQ(reduced.Index(1, 0), 9);
    EXPECT_EQ(reduced.Index(2, 0), 4);
    EXPECT_EQ(reduced.Index(0, 1), 9);
    EXPECT_EQ(reduced.Index(2, 1), 15);
    EXPECT_EQ(reduced.Color(2, 0), 0xFF000080u);
}

} // namespace
} // namespace prismora
