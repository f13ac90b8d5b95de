// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Tests of the reduction to the 16 standard colours.
#include "graphics/standard_palette.h"

#include <gtest/gtest.h>

namespace prismora {
namespace {

TEST(StandardPalette, NearestColourAndTies)
{
    const auto& palette = standardPalette16();
    for (int i = 0; i < 16; ++i) {
        const RgbColor c = palette[std::size_t(i)];
        EXPECT_EQ(nearestStandardIndex(rgba(c.red, c.green, c.blue, 0)), i);
    }
    EXPECT_EQ(palette[7], (RgbColor{0xC0, 0xC0, 0xC0}));
    EXPECT_EQ(palette[8], (RgbColor{0x80, 0x80, 0x80}));
    // Halfway between black and maroon, and between silver and grey: the lower index.
    EXPECT_EQ(nearestStandardIndex(0xFF400000), 0);
    EXPECT_EQ(nearestStandardIndex(0xFFA0A0A0), 7);
    // A pale fringe becomes white, a darker one silver.
    EXPECT_EQ(nearestStandardIndex(0xFFF0F0F0), 15);
    EXPECT_EQ(nearestStandardIndex(0xFFD0D0E0), 7);
}

TEST(StandardPalette, ReductionKeepsLayoutAndIgnoresAlpha)
{
    const Color32 pixels[] = {0x00FFFFFF, 0xFFFF0000, 0x80000080,
                              0xFFFE0101, 0xFFFF0000, 0x00FFFFFF};
    const ExportBitmap reduced = reduceToStandard16(pixels, 3, 2);
    ASSERT_EQ(reduced.format(), PixelFormat::Indexed4);
    ASSERT_EQ(reduced.width(), 3);
    ASSERT_EQ(reduced.height(), 2);
    EXPECT_EQ(reduced.palette().size(), 16u);
    EXPECT_EQ(reduced.index(0, 0), 15);
    EXPECT_EQ(reduced.index(1, 0), 9);
    EXPECT_EQ(reduced.index(2, 0), 4);
    EXPECT_EQ(reduced.index(0, 1), 9);
    EXPECT_EQ(reduced.index(2, 1), 15);
    EXPECT_EQ(reduced.color(2, 0), 0xFF000080u);
}

} // namespace
} // namespace prismora
