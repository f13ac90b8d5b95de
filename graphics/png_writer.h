// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// PNG encoding through libpng (deflate compression).
#pragma once

#include "graphics/encoded_image.h"
#include "graphics/export_bitmap.h"

namespace prismora {

// Indexed pictures: a palette image of 4 or 8 bits with the palette padded to 16 or
// 256 entries. Rgb24: 8-bit RGB; Argb32: 8-bit RGBA. Errors of the library come
// back as "PNG error: " followed by its message (an empty picture, for one).
EncodedImage encodePng(const ExportBitmap& bitmap);

} // namespace prismora
