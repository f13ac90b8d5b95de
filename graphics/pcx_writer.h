// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// PCX encoding (version 5, run-length encoded) of an ExportBitmap.
#pragma once

#include "graphics/encoded_image.h"
#include "graphics/export_bitmap.h"

namespace prismora {

// Indexed pictures: one 8-bit plane and the 256-entry palette at the end (a 4-bit
// picture's palette also fills the header's 16 entries). True colour: three 8-bit
// planes red, green, blue; alpha is dropped. Each plane line is encoded on its
// own. Fails with "PCX error: ..." for an empty picture or a side above 65535.
EncodedImage encodePcx(const ExportBitmap& bitmap);

} // namespace prismora
