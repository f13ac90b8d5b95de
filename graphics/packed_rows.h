// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Rows of an ExportBitmap packed as the PNG, TIFF and JPEG libraries take them.
#pragma once

#include "graphics/export_bitmap.h"

#include <cstddef>
#include <cstdint>

namespace prismora {

// Native: indices packed at 4 or 8 bits (first pixel in the high nibble), Rgb24 as
// red, green, blue, Argb32 as red, green, blue, alpha. Rgb: always red, green, blue.
enum class RowLayout { Native, Rgb };

std::size_t packedRowBytes(const ExportBitmap& bitmap, RowLayout layout);
// Writes row y into out, which holds PackedRowBytes bytes.
void packRow(const ExportBitmap& bitmap, int y, RowLayout layout, std::uint8_t* out);

} // namespace prismora
