// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A sprite turned to a direction and reduced to the 16 standard colours, as the board shows it.
#pragma once

#include "graphics/bitmap32.h"

#include <QImage>

namespace prismora {

// The sprite copied into a working bitmap (48 x 48, or its top-left 47 x 47
// for odd directions), turned `direction` (0..7) steps of 45 degrees
// counter-clockwise (quarter and half turns exactly, diagonals by
// rotateSprite), then reduced to the nearest standard colours: a 48 x 48
// Format_ARGB32_Premultiplied picture, opaque where the reduced colour is not
// white and transparent elsewhere (also in the row and column a 47 x 47
// picture leaves free).
QImage turnedSpritePicture(const Bitmap32& sprite, int direction);

} // namespace prismora
