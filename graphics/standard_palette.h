// The 16 standard colours and the reduction of 32-bit pixels to them.
#pragma once

#include "graphics/export_bitmap.h"

#include <array>

namespace prismora {

// In palette order: black, maroon $800000, green $008000, olive $808000, navy
// $000080, purple $800080, teal $008080, silver $C0C0C0, grey $808080, red, lime
// $00FF00, yellow, blue, fuchsia $FF00FF, aqua $00FFFF, white.
const std::array<RgbColor, 16>& standardPalette16();

// Index of the standard colour nearest to c. Metric: squared Euclidean distance
// over red, green and blue (alpha ignored); ties go to the lowest palette index.
int nearestStandardIndex(Color32 c);

// A 4-bit picture with the standard palette, each pixel the nearest standard
// colour of the corresponding $AARRGGBB pixel (rows top to bottom, no padding).
ExportBitmap reduceToStandard16(const Color32* pixels, int width, int height);

} // namespace prismora
