// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// TIFF encoding through libtiff, written into memory.
#include "graphics/tiff_writer.h"

#include "graphics/packed_rows.h"

#include <tiffio.h>

#include <algorithm>
#include <array>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <string>

namespace prismora {

namespace {

// The growing file held in memory with libtiff's read, write and seek position.
struct MemoryFile {
    std::vector<std::uint8_t>* bytes = nullptr;
    std::size_t position = 0;
    std::string error;
};

MemoryFile& fileOf(thandle_t handle) { return *static_cast<MemoryFile*>(handle); }

tmsize_t onRead(thandle_t handle, void* data, tmsize_t size)
{
    MemoryFile& file = fileOf(handle);
    const std::size_t available = file.bytes->size() - std::min(file.position, file.bytes->size());
    const std::size_t count = std::min(available, std::size_t(size));
    std::memcpy(data, file.bytes->data() + file.position, count);
    file.position += count;
    return tmsize_t(count);
}

tmsize_t onWrite(thandle_t handle, void* data, tmsize_t size)
{
    MemoryFile& file = fileOf(handle);
    const std::size_t end = file.position + std::size_t(size);
    if (end > file.bytes->size()) {
        file.bytes->resize(end);
    }
    std::memcpy(file.bytes->data() + file.position, data, std::size_t(size));
    file.position = end;
    return size;
}

toff_t onSeek(thandle_t handle, toff_t offset, int whence)
{
    MemoryFile& file = fileOf(handle);
    const std::size_t base = whence == SEEK_CUR   ? file.position
                             : whence == SEEK_END ? file.bytes->size()
                                                  : 0;
    file.position = base + std::size_t(offset);
    return toff_t(file.position);
}

int onClose(thandle_t) { return 0; }
toff_t onSize(thandle_t handle) { return toff_t(fileOf(handle).bytes->size()); }

int onError(TIFF*, void* userData, const char*, const char* format, va_list args)
{
    std::array<char, 512> text{};
    std::vsnprintf(text.data(), text.size(), format, args);
    auto* file = static_cast<MemoryFile*>(userData);
    if (file->error.empty()) {
        file->error = text.data();
    }
    return 1;
}

int onWarning(TIFF*, void*, const char*, const char*, va_list) { return 1; }

void setColourFields(TIFF* tiff, const ExportBitmap& bitmap)
{
    if (bitmap.isIndexed()) {
        TIFFSetField(tiff, TIFFTAG_BITSPERSAMPLE, bitmap.format() == PixelFormat::Indexed4 ? 4 : 8);
        TIFFSetField(tiff, TIFFTAG_SAMPLESPERPIXEL, 1);
        TIFFSetField(tiff, TIFFTAG_PHOTOMETRIC, PHOTOMETRIC_PALETTE);
        const std::size_t entries = std::size_t(bitmap.paletteCapacity());
        std::vector<std::uint16_t> red(entries), green(entries), blue(entries);
        for (std::size_t i = 0; i < entries; ++i) {
            const RgbColor c = bitmap.paletteEntry(i);
            red[i] = std::uint16_t(c.red * 257);
            green[i] = std::uint16_t(c.green * 257);
            blue[i] = std::uint16_t(c.blue * 257);
        }
        TIFFSetField(tiff, TIFFTAG_COLORMAP, red.data(), green.data(), blue.data());
        return;
    }
    const bool alpha = bitmap.format() == PixelFormat::Argb32;
    TIFFSetField(tiff, TIFFTAG_BITSPERSAMPLE, 8);
    TIFFSetField(tiff, TIFFTAG_SAMPLESPERPIXEL, alpha ? 4 : 3);
    TIFFSetField(tiff, TIFFTAG_PHOTOMETRIC, PHOTOMETRIC_RGB);
    if (alpha) {
        const std::uint16_t extra[1] = {EXTRASAMPLE_UNASSALPHA};
        TIFFSetField(tiff, TIFFTAG_EXTRASAMPLES, 1, extra);
    }
}

bool writeImage(TIFF* tiff, const ExportBitmap& bitmap)
{
    TIFFSetField(tiff, TIFFTAG_IMAGEWIDTH, std::uint32_t(bitmap.width()));
    TIFFSetField(tiff, TIFFTAG_IMAGELENGTH, std::uint32_t(bitmap.height()));
    TIFFSetField(tiff, TIFFTAG_ORIENTATION, ORIENTATION_TOPLEFT);
    TIFFSetField(tiff, TIFFTAG_PLANARCONFIG, PLANARCONFIG_CONTIG);
    TIFFSetField(tiff, TIFFTAG_COMPRESSION, COMPRESSION_NONE);
    setColourFields(tiff, bitmap);
    TIFFSetField(tiff, TIFFTAG_ROWSPERSTRIP, TIFFDefaultStripSize(tiff, 0));
    std::vector<std::uint8_t> row(packedRowBytes(bitmap, RowLayout::Native) + 1);
    for (int y = 0; y < bitmap.height(); ++y) {
        packRow(bitmap, y, RowLayout::Native, row.data());
        if (TIFFWriteScanline(tiff, row.data(), std::uint32_t(y), 0) < 0) {
            return false;
        }
    }
    return TIFFWriteDirectory(tiff) != 0;
}

} // namespace

EncodedImage encodeTiff(const ExportBitmap& bitmap)
{
    if (bitmap.isEmpty()) {
        return unsupportedSize("TIFF", bitmap.width(), bitmap.height());
    }
    ImageBytes bytes;
    MemoryFile file{&bytes, 0, {}};
    TIFFOpenOptions* options = TIFFOpenOptionsAlloc();
    TIFFOpenOptionsSetErrorHandlerExtR(options, onError, &file);
    TIFFOpenOptionsSetWarningHandlerExtR(options, onWarning, &file);
    TIFF* tiff = TIFFClientOpenExt("memory", "w", &file, onRead, onWrite, onSeek, onClose, onSize,
                                   nullptr, nullptr, options);
    TIFFOpenOptionsFree(options);
    bool written = false;
    if (tiff) {
        written = writeImage(tiff, bitmap);
        TIFFClose(tiff);
    }
    if (!written || !file.error.empty()) {
        return Error{"TIFF error: " +
                     (file.error.empty() ? std::string("cannot write the picture") : file.error)};
    }
    return bytes;
}

} // namespace prismora
