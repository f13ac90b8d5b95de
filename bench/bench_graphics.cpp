// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Benchmarks of the raster graphics: one diagonal sprite turn and the board snapshot as JPEG.
// Goals: a 47 x 47 bilinear turn under 20 microseconds; the board snapshot
// (BM_BoardJpegExport) within 1.5 x plain libjpeg on the same picture
// (BM_LibjpegFloor). Compare the minimum of --benchmark_repetitions=5.
#include "graphics/bitmap32.h"
#include "graphics/jpeg_writer.h"
#include "graphics/sixteen_colour_jpeg.h"
#include "graphics/sprite_rotation.h"
#include "graphics/standard_palette.h"

#include <benchmark/benchmark.h>

#include <cstdio> // jpeglib needs FILE
#include <cstdlib>
#include <jpeglib.h>
#include <png.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace {

using namespace prismora;

// A sprite-like picture: a coloured disc with a dark outline on white.
void drawSprite(Bitmap32& sprite)
{
    sprite.setSize(48, 48);
    sprite.clear(0xFFFFFFFF);
    for (int y = 0; y < 48; ++y) {
        for (int x = 0; x < 48; ++x) {
            const int d = (x - 24) * (x - 24) + (y - 24) * (y - 24);
            if (d < 18 * 18) {
                sprite.setPixel(x, y, d < 16 * 16 ? 0xFFFF0000 : 0xFF000000);
            }
        }
    }
}

// The steps of a diagonal piece: 48 x 48 sprite clipped into 47 x 47, then turned 45 degrees.
void BM_DiagonalSpriteRotation(benchmark::State& state)
{
    Bitmap32 sprite;
    drawSprite(sprite);
    for (auto _ : state) {
        Bitmap32 work;
        work.setSize(47, 47);
        sprite.drawOnto(work);
        rotateSprite(work, 45);
        benchmark::DoNotOptimize(work.bits());
    }
}
BENCHMARK(BM_DiagonalSpriteRotation)->Unit(benchmark::kMicrosecond);

constexpr int BoardPixels = 451;

// A board as the game paints it (silver cells, grid, beams, cannons, pieces,
// lamps): the stored rendering of a test level, as 32-bit $AARRGGBB pixels.
const std::vector<Color32>& boardPicture()
{
    static const std::vector<Color32> pixels = [] {
        const std::string path =
            std::string(PRISMORA_TEST_DATA) + "/pictures/board_inverter_cycles.png";
        png_image png{};
        png.version = PNG_IMAGE_VERSION;
        std::vector<Color32> read(std::size_t(BoardPixels) * BoardPixels);
        png.format = PNG_FORMAT_BGRA; // little-endian $AARRGGBB words
        if (!png_image_begin_read_from_file(&png, path.c_str()) || png.width != BoardPixels ||
            png.height != BoardPixels ||
            !png_image_finish_read(&png, nullptr, read.data(), 0, nullptr)) {
            throw std::runtime_error("cannot read the board picture " + path);
        }
        return read;
    }();
    return pixels;
}

// The floor: libjpeg alone encoding the board's RGB rows (already reduced to
// the 16 colours) into memory, quality 90, baseline, RGB.
void BM_LibjpegFloor(benchmark::State& state)
{
    const ExportBitmap reduced =
        reduceToStandard16(boardPicture().data(), BoardPixels, BoardPixels);
    std::vector<std::uint8_t> rgb;
    std::vector<JSAMPROW> rows;
    for (int y = 0; y < BoardPixels; ++y) {
        for (int x = 0; x < BoardPixels; ++x) {
            const Color32 c = reduced.color(x, y);
            rgb.insert(rgb.end(), {redOf(c), greenOf(c), blueOf(c)});
        }
    }
    for (int y = 0; y < BoardPixels; ++y) {
        rows.push_back(rgb.data() + std::size_t(y) * BoardPixels * 3);
    }
    for (auto _ : state) {
        jpeg_compress_struct info{};
        jpeg_error_mgr errors{};
        info.err = jpeg_std_error(&errors);
        jpeg_create_compress(&info);
        unsigned char* buffer = nullptr;
        unsigned long size = 0;
        jpeg_mem_dest(&info, &buffer, &size);
        info.image_width = BoardPixels;
        info.image_height = BoardPixels;
        info.input_components = 3;
        info.in_color_space = JCS_RGB;
        jpeg_set_defaults(&info);
        jpeg_set_quality(&info, 90, TRUE);
        jpeg_start_compress(&info, TRUE);
        while (info.next_scanline < info.image_height) {
            jpeg_write_scanlines(&info, rows.data() + info.next_scanline,
                                 info.image_height - info.next_scanline);
        }
        jpeg_finish_compress(&info);
        jpeg_destroy_compress(&info);
        benchmark::DoNotOptimize(buffer);
        std::free(buffer);
    }
}
BENCHMARK(BM_LibjpegFloor)->Unit(benchmark::kMillisecond);

// The game's snapshot path: the board's 32-bit pixels reduced to the 16
// standard colours row by row and encoded, into memory.
void BM_BoardJpegExport(benchmark::State& state)
{
    const PixelRows rows = PixelRows::contiguous(boardPicture().data(), BoardPixels, BoardPixels);
    for (auto _ : state) {
        const EncodedImage image = encodeSixteenColourJpeg(rows);
        if (!image) {
            state.SkipWithError(image.error().message.c_str());
            break;
        }
        benchmark::DoNotOptimize(image.value().data());
    }
}
BENCHMARK(BM_BoardJpegExport)->Unit(benchmark::kMillisecond);

// The same picture through a whole 4-bit export bitmap, as saveBitmapToFile
// encodes one: what the snapshot cost before it encoded row by row.
void BM_BoardJpegThroughExportBitmap(benchmark::State& state)
{
    for (auto _ : state) {
        const ExportBitmap reduced =
            reduceToStandard16(boardPicture().data(), BoardPixels, BoardPixels);
        const EncodedImage image = encodeJpeg(reduced);
        benchmark::DoNotOptimize(image.ok() ? image.value().data() : nullptr);
    }
}
BENCHMARK(BM_BoardJpegThroughExportBitmap)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
