// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Tests of the row-by-row sixteen-colour JPEG: same colours and bytes as the whole picture.
#include "graphics/jpeg_writer.h"
#include "graphics/sixteen_colour_jpeg.h"
#include "graphics/standard_palette.h"

#include "image_readers.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace prismora {
namespace {

constexpr int Pad = 3; // unused pixels after each row, as a QImage may have

// The pixels copied into rows of width + Pad, the padding filled with a colour of its own.
std::vector<Color32> padded(const std::vector<Color32>& pixels, int width)
{
    std::vector<Color32> rows;
    for (std::size_t at = 0; at < pixels.size(); at += std::size_t(width)) {
        rows.insert(rows.end(), pixels.begin() + std::ptrdiff_t(at),
                    pixels.begin() + std::ptrdiff_t(at) + width);
        rows.insert(rows.end(), Pad, 0xFFFF00FF);
    }
    return rows;
}

PixelRows paddedRows(const std::vector<Color32>& rows, int width, int height)
{
    return {rows.data(), width, height, std::ptrdiff_t(width + Pad) * 4};
}

// Noise over the whole colour cube: many colours share a slot of the cache.
std::vector<Color32> noise(int width, int height, unsigned seed)
{
    std::mt19937 random(seed);
    std::vector<Color32> pixels(std::size_t(width) * std::size_t(height));
    for (Color32& pixel : pixels) {
        pixel = random();
    }
    return pixels;
}

TEST(SixteenColourJpeg, RowsGiveTheNearestStandardColourOfEveryPixel)
{
    const unsigned seed = 20260101;
    SCOPED_TRACE("seed " + std::to_string(seed));
    const std::vector<Color32> pixels = noise(300, 40, seed);
    const std::vector<Color32> rows = padded(pixels, 300);
    NearestStandardCache cache;
    std::vector<std::uint8_t> rgb(300 * 3);
    for (int y = 0; y < 40; ++y) {
        reduceRowToStandardRgb(paddedRows(rows, 300, 40), y, cache, rgb.data());
        for (std::size_t x = 0; x < 300; ++x) {
            const Color32 pixel = pixels[std::size_t(y) * 300 + x];
            ASSERT_EQ((RgbColor{rgb[x * 3], rgb[x * 3 + 1], rgb[x * 3 + 2]}),
                      standardPalette16()[std::size_t(nearestStandardIndex(pixel))])
                << x << "," << y;
        }
    }
}

TEST(SixteenColourJpeg, SameBytesAsTheReducedPicture)
{
    const auto board =
        testing::readPng(std::string(PRISMORA_TEST_DATA) + "/pictures/board_inverter_cycles.png");
    ASSERT_TRUE(board);
    ASSERT_EQ(board->width, 451);
    ASSERT_EQ(board->height, 451);
    const std::vector<Color32> noisy = noise(97, 31, 7);
    const std::tuple<const std::vector<Color32>&, int, int> pictures[] = {{board->pixels, 451, 451},
                                                                          {noisy, 97, 31}};
    for (const auto& [pixels, width, height] : pictures) {
        const EncodedImage whole = encodeJpeg(reduceToStandard16(pixels.data(), width, height));
        const std::vector<Color32> rows = padded(pixels, width);
        const EncodedImage byRows = encodeSixteenColourJpeg(paddedRows(rows, width, height));
        ASSERT_TRUE(whole.ok() && byRows.ok());
        EXPECT_EQ(byRows.value(), whole.value()) << width << " x " << height;
    }
}

} // namespace
} // namespace prismora
