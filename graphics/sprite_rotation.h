// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Turning a sprite by an arbitrary angle about its centre pixel.
#pragma once

namespace prismora {

class Bitmap32;

// Turns bitmap in place by angle degrees (positive: counter-clockwise on screen)
// about (width / 2, height / 2) with bilinear sampling. Pixels the turned
// picture does not reach become opaque white $FFFFFFFF; every pixel ends opaque.
// The bitmap's stretch filter is left at StretchFilter::Linear.
void rotateSprite(Bitmap32& bitmap, int angle);

} // namespace prismora
