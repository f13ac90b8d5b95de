// Benchmarks of the raster graphics: one diagonal sprite turn and the board picture as JPEG.
// Goals: a 47 x 47 bilinear turn under 20 microseconds, a 451 x 451 JPEG export
// under 5 milliseconds.
#include "graphics/bitmap32.h"
#include "graphics/jpeg_writer.h"
#include "graphics/save_bitmap.h"
#include "graphics/sprite_rotation.h"
#include "graphics/standard_palette.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <unistd.h>
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

std::vector<Color32> boardPicture()
{
    std::vector<Color32> pixels(451 * 451, 0xFF000000);
    for (int y = 0; y < 451; ++y) {
        for (int x = 0; x < 451; ++x) {
            if (x % 50 == 0 || y % 50 == 0) {
                pixels[std::size_t(y * 451 + x)] = 0xFF808080;
            } else if ((x / 50 + y / 50) % 3 == 0) {
                pixels[std::size_t(y * 451 + x)] = (x + y) % 7 == 0 ? 0xFFFF0000 : 0xFFC0C0C0;
            }
        }
    }
    return pixels;
}

// The board snapshot: reduced to the 16 colours, encoded and written to a file.
void BM_BoardJpegExport(benchmark::State& state)
{
    const std::vector<Color32> pixels = boardPicture();
    const std::string path = (std::filesystem::temp_directory_path() /
                              ("prismora-bench-" + std::to_string(::getpid()) + "-facit.jpg"))
                                 .string();
    for (auto _ : state) {
        const ExportBitmap picture = reduceToStandard16(pixels.data(), 451, 451);
        const Status saved = saveBitmapToFile(picture, path);
        if (!saved) {
            state.SkipWithError(saved.error().message.c_str());
            break;
        }
    }
    std::filesystem::remove(path);
}
BENCHMARK(BM_BoardJpegExport)->Unit(benchmark::kMillisecond);

// The encoder alone, from a true-colour picture.
void BM_JpegEncodeOnly(benchmark::State& state)
{
    const std::vector<Color32> pixels = boardPicture();
    const ExportBitmap picture = ExportBitmap::fromPixels(pixels.data(), 451, 451);
    for (auto _ : state) {
        const EncodedImage image = encodeJpeg(picture);
        benchmark::DoNotOptimize(image.ok() ? image.value().data() : nullptr);
    }
}
BENCHMARK(BM_JpegEncodeOnly)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
