// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// JPEG encoding through libjpeg with errors turned into values.
#include "graphics/jpeg_writer.h"

#include "graphics/packed_rows.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <jpeglib.h>
#include <vector>

namespace prismora {

namespace {

struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
};

// All state lives here, outside the frame that calls setjmp, so nothing the
// library changed is lost when it jumps back.
struct JpegJob {
    jpeg_compress_struct info{};
    ErrorManager errors{};
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    std::vector<std::uint8_t> row;
};

[[noreturn]] void onError(j_common_ptr info)
{
    auto* errors = reinterpret_cast<ErrorManager*>(info->err);
    std::longjmp(errors->jump, 1);
}

void onMessage(j_common_ptr, int) {}

// Returns false when the library reported an error.
bool compress(JpegJob& job, int width, int height, const RgbRowSource& source, int quality)
{
    if (setjmp(job.errors.jump) != 0) {
        return false;
    }
    jpeg_mem_dest(&job.info, &job.buffer, &job.size);
    job.info.image_width = static_cast<JDIMENSION>(width);
    job.info.image_height = static_cast<JDIMENSION>(height);
    job.info.input_components = 3;
    job.info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&job.info);
    jpeg_set_quality(&job.info, quality, TRUE);
    jpeg_start_compress(&job.info, TRUE);
    while (job.info.next_scanline < job.info.image_height) {
        source(static_cast<int>(job.info.next_scanline), job.row.data());
        JSAMPROW rows[1] = {job.row.data()};
        jpeg_write_scanlines(&job.info, rows, 1);
    }
    jpeg_finish_compress(&job.info);
    return true;
}

} // namespace

EncodedImage encodeJpegRows(int width, int height, const RgbRowSource& source, int quality)
{
    JpegJob job;
    // One spare byte: a zero-width picture still has a row address to hand out.
    job.row.resize(std::size_t(std::max(width, 0)) * 3 + 1);
    job.info.err = jpeg_std_error(&job.errors.base);
    job.errors.base.error_exit = onError;
    job.errors.base.emit_message = onMessage;
    jpeg_create_compress(&job.info);
    EncodedImage result = Error{};
    if (compress(job, std::max(width, 0), std::max(height, 0), source, quality)) {
        result = ImageBytes(job.buffer, job.buffer + job.size);
    } else {
        result = Error{"JPEG error #" + std::to_string(job.errors.base.msg_code)};
    }
    jpeg_destroy_compress(&job.info);
    std::free(job.buffer);
    return result;
}

EncodedImage encodeJpeg(const ExportBitmap& bitmap, int quality)
{
    return encodeJpegRows(
        bitmap.width(), bitmap.height(),
        [&bitmap](int y, std::uint8_t* rgb) { packRow(bitmap, y, RowLayout::Rgb, rgb); }, quality);
}

} // namespace prismora
