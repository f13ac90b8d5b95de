// JPEG encoding through libjpeg.
#pragma once

#include "graphics/encoded_image.h"
#include "graphics/export_bitmap.h"

namespace prismora {

// The picture converted to 24 bits: 3 components in RGB order, the library's
// defaults, quality 90 with baseline-compatible tables, sequential colour encoding,
// rows top to bottom, collected in memory. An error inside the library gives
// "JPEG error #n" with the library's message number (an empty picture, for one).
EncodedImage encodeJpeg(const ExportBitmap& bitmap, int quality = 90);

} // namespace prismora
