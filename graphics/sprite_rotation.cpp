// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// rotateSprite: the diagonal sprite turn through an affine transformation.
#include "graphics/sprite_rotation.h"

#include "graphics/affine_transformation.h"
#include "graphics/bitmap32.h"

namespace prismora {

void rotateSprite(Bitmap32& bitmap, int angle)
{
    const int width = bitmap.width();
    const int height = bitmap.height();
    AffineTransformation transformation;
    Bitmap32 rotated;
    rotated.setSize(width, height);
    bitmap.setStretchFilter(StretchFilter::Linear);
    transformation.setSourceRect(Rect{0, 0, width, height});
    transformation.rotate(float(width / 2), float(height / 2), angle);
    rotated.clear(0x00FFFFFF);
    transform(rotated, bitmap, transformation);
    rotated.makeOpaque();
    rotated.setDrawMode(DrawMode::Opaque);
    rotated.drawOnto(bitmap, Rect{0, 0, width, height});
}

} // namespace prismora
