// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// PNG encoding through libpng with errors turned into values.
#include "graphics/png_writer.h"

#include "graphics/packed_rows.h"

#include <png.h>

#include <array>
#include <string>

namespace prismora {

namespace {

// All state lives here, outside the frame that calls setjmp (libpng jumps back).
struct PngJob {
    png_structp png = nullptr;
    png_infop info = nullptr;
    std::vector<std::uint8_t>* out = nullptr;
    std::string error;
    std::vector<std::uint8_t> row;
    std::array<png_color, 256> palette{};
};

void onWrite(png_structp png, png_bytep data, png_size_t length)
{
    auto* job = static_cast<PngJob*>(png_get_io_ptr(png));
    job->out->insert(job->out->end(), data, data + length);
}

void onFlush(png_structp) {}

void onError(png_structp png, png_const_charp message)
{
    auto* job = static_cast<PngJob*>(png_get_error_ptr(png));
    job->error = message ? message : "unknown";
    png_longjmp(png, 1);
}

void onWarning(png_structp, png_const_charp) {}

int colourType(const ExportBitmap& bitmap)
{
    switch (bitmap.format()) {
    case PixelFormat::Indexed4:
    case PixelFormat::Indexed8:
        return PNG_COLOR_TYPE_PALETTE;
    case PixelFormat::Rgb24:
        return PNG_COLOR_TYPE_RGB;
    case PixelFormat::Argb32:
        return PNG_COLOR_TYPE_RGB_ALPHA;
    }
    return PNG_COLOR_TYPE_RGB_ALPHA;
}

bool compress(PngJob& job, const ExportBitmap& bitmap)
{
    if (setjmp(png_jmpbuf(job.png)) != 0) {
        return false;
    }
    png_set_write_fn(job.png, &job, onWrite, onFlush);
    const int depth = bitmap.format() == PixelFormat::Indexed4 ? 4 : 8;
    png_set_IHDR(job.png, job.info, png_uint_32(bitmap.width()), png_uint_32(bitmap.height()),
                 depth, colourType(bitmap), PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    if (bitmap.isIndexed()) {
        const int entries = bitmap.paletteCapacity();
        for (int i = 0; i < entries; ++i) {
            const RgbColor c = bitmap.paletteEntry(std::size_t(i));
            job.palette[std::size_t(i)] = png_color{c.red, c.green, c.blue};
        }
        png_set_PLTE(job.png, job.info, job.palette.data(), entries);
    }
    png_write_info(job.png, job.info);
    for (int y = 0; y < bitmap.height(); ++y) {
        packRow(bitmap, y, RowLayout::Native, job.row.data());
        png_write_row(job.png, job.row.data());
    }
    png_write_end(job.png, job.info);
    return true;
}

} // namespace

EncodedImage encodePng(const ExportBitmap& bitmap)
{
    ImageBytes bytes;
    PngJob job;
    job.out = &bytes;
    job.row.resize(packedRowBytes(bitmap, RowLayout::Native) + 1);
    job.png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &job, onError, onWarning);
    if (job.png) {
        job.info = png_create_info_struct(job.png);
    }
    if (!job.png || !job.info) {
        png_destroy_write_struct(&job.png, nullptr);
        return Error{"PNG error: out of memory"};
    }
    const bool compressed = compress(job, bitmap);
    png_destroy_write_struct(&job.png, &job.info);
    if (!compressed) {
        return Error{"PNG error: " + job.error};
    }
    return bytes;
}

} // namespace prismora
