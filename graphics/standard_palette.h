// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The 16 standard colours and the reduction of 32-bit pixels to them.
#pragma once

#include "graphics/export_bitmap.h"
#include "graphics/pixel_rows.h"

#include <array>
#include <cstdint>

namespace prismora {

// In palette order: black, maroon $800000, green $008000, olive $808000, navy
// $000080, purple $800080, teal $008080, silver $C0C0C0, grey $808080, red, lime
// $00FF00, yellow, blue, fuchsia $FF00FF, aqua $00FFFF, white.
const std::array<RgbColor, 16>& standardPalette16();

// Index of the standard colour nearest to c. Metric: squared Euclidean distance
// over red, green and blue (alpha ignored); ties go to the lowest palette index.
int nearestStandardIndex(Color32 c);

// nearestStandardIndex with a small direct-mapped store of recent answers:
// pictures hold few distinct colours, so most pixels skip the search.
class NearestStandardCache {
public:
    std::uint8_t indexOf(Color32 c)
    {
        // A filled slot holds the colour with bit 24 set, so no colour matches an empty one.
        const Color32 key = (c & 0x00FFFFFFu) | 0x01000000u;
        // Multiplicative hashing: the pure colours of beams and lamps (red,
        // green, blue, white) must not share a slot.
        const std::size_t slot = (key * 0x9E3779B1u) >> 24;
        if (m_colours[slot] != key) {
            m_colours[slot] = key;
            m_indices[slot] = static_cast<std::uint8_t>(nearestStandardIndex(key));
        }
        return m_indices[slot];
    }

private:
    std::array<Color32, 256> m_colours{};
    std::array<std::uint8_t, 256> m_indices{};
};

// A 4-bit picture with the standard palette, each pixel the nearest standard
// colour of the corresponding $AARRGGBB pixel (rows top to bottom, no padding).
ExportBitmap reduceToStandard16(const Color32* pixels, int width, int height);

// Row y of `pixels` reduced to the standard colours, written as width x 3 bytes
// red, green, blue: the same colours reduceToStandard16 gives, without the
// intermediate picture.
void reduceRowToStandardRgb(const PixelRows& pixels, int y, NearestStandardCache& cache,
                            std::uint8_t* rgb);

} // namespace prismora
