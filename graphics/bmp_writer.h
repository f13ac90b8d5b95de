// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Windows BMP encoding of an ExportBitmap at its own pixel format.
#pragma once

#include "graphics/encoded_image.h"
#include "graphics/export_bitmap.h"

namespace prismora {

// Uncompressed BMP with a 40-byte information header, rows bottom-up padded to 4
// bytes: 4 or 8 bits with the palette padded to 16 or 256 entries, 24 bits (blue,
// green, red), or 32 bits (blue, green, red, alpha). Never fails.
EncodedImage encodeBmp(const ExportBitmap& bitmap);

} // namespace prismora
