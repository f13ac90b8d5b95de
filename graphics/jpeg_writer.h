// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// JPEG encoding through libjpeg, from an export bitmap or from rows the caller fills.
#pragma once

#include "graphics/encoded_image.h"
#include "graphics/export_bitmap.h"

#include <cstdint>
#include <functional>

namespace prismora {

// The quality every picture save uses (1-100 scale of the JPEG library).
inline constexpr int JpegQuality = 90;

// Fills `rgb` with row y of the picture: width x 3 bytes red, green, blue. Rows
// are asked for once each, top to bottom.
using RgbRowSource = std::function<void(int y, std::uint8_t* rgb)>;

// width x height pixels from `source`: 3 components in RGB order, the library's
// defaults, `quality` with baseline-compatible tables, sequential colour encoding,
// collected in memory. An error inside the library gives "JPEG error #n" with the
// library's message number (an empty picture, for one).
EncodedImage encodeJpegRows(int width, int height, const RgbRowSource& source,
                            int quality = JpegQuality);

// The picture converted to 24 bits, encoded as encodeJpegRows does.
EncodedImage encodeJpeg(const ExportBitmap& bitmap, int quality = JpegQuality);

} // namespace prismora
