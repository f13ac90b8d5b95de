// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Sixteen-colour JPEG straight from the caller's pixel rows.
#include "graphics/sixteen_colour_jpeg.h"

#include "graphics/jpeg_writer.h"
#include "graphics/save_bitmap.h"
#include "graphics/standard_palette.h"

namespace prismora {

EncodedImage encodeSixteenColourJpeg(const PixelRows& pixels)
{
    NearestStandardCache cache;
    return encodeJpegRows(pixels.width, pixels.height, [&pixels, &cache](int y, std::uint8_t* rgb) {
        reduceRowToStandardRgb(pixels, y, cache, rgb);
    });
}

Status saveSixteenColourJpeg(const PixelRows& pixels, const std::string& path)
{
    return writePictureFile(path, encodeSixteenColourJpeg(pixels));
}

} // namespace prismora
