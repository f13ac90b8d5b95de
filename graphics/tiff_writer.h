// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// TIFF encoding through libtiff.
#pragma once

#include "graphics/encoded_image.h"
#include "graphics/export_bitmap.h"

namespace prismora {

// Uncompressed, one strip per few rows, top row first. Indexed pictures: palette
// colour at 4 or 8 bits with a colour map of 16 or 256 entries. Rgb24: 8-bit RGB;
// Argb32: 8-bit RGB plus unassociated alpha. Library errors come back as
// "TIFF error: " followed by its message.
EncodedImage encodeTiff(const ExportBitmap& bitmap);

} // namespace prismora
