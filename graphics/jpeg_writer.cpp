// JPEG encoding through libjpeg with errors turned into values.
#include "graphics/jpeg_writer.h"

#include "graphics/packed_rows.h"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <jpeglib.h>

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
bool compress(JpegJob& job, const ExportBitmap& bitmap, int quality)
{
    if (setjmp(job.errors.jump) != 0) {
        return false;
    }
    jpeg_mem_dest(&job.info, &job.buffer, &job.size);
    job.info.image_width = static_cast<JDIMENSION>(bitmap.width());
    job.info.image_height = static_cast<JDIMENSION>(bitmap.height());
    job.info.input_components = 3;
    job.info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&job.info);
    jpeg_set_quality(&job.info, quality, TRUE);
    jpeg_start_compress(&job.info, TRUE);
    while (job.info.next_scanline < job.info.image_height) {
        packRow(bitmap, static_cast<int>(job.info.next_scanline), RowLayout::Rgb, job.row.data());
        JSAMPROW rows[1] = {job.row.data()};
        jpeg_write_scanlines(&job.info, rows, 1);
    }
    jpeg_finish_compress(&job.info);
    return true;
}

} // namespace

EncodedImage encodeJpeg(const ExportBitmap& bitmap, int quality)
{
    JpegJob job;
    job.row.resize(packedRowBytes(bitmap, RowLayout::Rgb) + 1);
    job.info.err = jpeg_std_error(&job.errors.base);
    job.errors.base.error_exit = onError;
    job.errors.base.emit_message = onMessage;
    jpeg_create_compress(&job.info);
    EncodedImage result;
    if (compress(job, bitmap, quality)) {
        result.bytes.assign(job.buffer, job.buffer + job.size);
    } else {
        result.error = "JPEG error #" + std::to_string(job.errors.base.msg_code);
    }
    jpeg_destroy_compress(&job.info);
    std::free(job.buffer);
    return result;
}

} // namespace prismora
