// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Truevision TGA encoding of an ExportBitmap.
#pragma once

#include "graphics/encoded_image.h"
#include "graphics/export_bitmap.h"

namespace prismora {

// Uncompressed, rows top to bottom (origin bit set), with the version 2 footer. Indexed pictures:
// colour-mapped with 8-bit indices and a 24-bit colour map of 16 or 256 entries.
// Rgb24: 24 bits (blue, green, red); Argb32: 32 bits with 8 alpha bits. Fails with
// "TGA error: ..." for an empty picture or a side above 65535.
EncodedImage encodeTga(const ExportBitmap& bitmap);

} // namespace prismora
