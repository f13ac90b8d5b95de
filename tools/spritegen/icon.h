// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The application icon: a lit red lamp on a navy tile, fed by a red beam from the left.
#pragma once

#include "vector_picture.h"

namespace prismora::spritegen {

// How much of the lamp an icon shows, by the pixel size it is drawn for.
enum class IconDetail {
    // The lamp sprite's measures with rays, outlines and cross-hairs: 48 px and up.
    Full,
    // Drawn on the 32-pixel grid: no line thinner than a pixel, straight edges
    // on pixel boundaries, the lamp centred on a pixel corner.
    Grid32,
    // Tile, beam, ring and glow alone, which still read below 32 px.
    Small,
};

// The detail an icon of `pixels` x `pixels` is drawn with.
IconDetail iconDetailFor(int pixels);

// The icon: in sprite units (48 x 48), or in pixels (32 x 32) for Grid32.
VectorPicture applicationIcon(IconDetail detail);

// The one-colour form desktops tint to the theme's text colour (16 x 16):
// the beam, the glow and the rays, with no hole in any of them.
VectorPicture symbolicApplicationIcon();

} // namespace prismora::spritegen
