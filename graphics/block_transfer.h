// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Block transfer of a rectangle of one bitmap onto another, and scaled drawing.
#pragma once

#include "graphics/bitmap32.h"

namespace prismora {

// Copies sourceRect of source to (dstX, dstY) of destination, limited to clip and
// to both bitmaps, by the source's draw mode. An empty source does nothing; an
// empty destination throws EmptyBitmapError("Destination bitmap is nil or empty").
// Sends no notification: callers call changed().
void blockTransfer(Bitmap32& destination, int dstX, int dstY, const Rect& clip,
                   const Bitmap32& source, const Rect& sourceRect);

// Draws the whole source into dstRect of destination by nearest-pixel scaling,
// clipped to the destination, by the source's draw mode. No notification.
void stretchTransfer(Bitmap32& destination, const Rect& dstRect, const Bitmap32& source);

} // namespace prismora
