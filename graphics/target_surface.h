// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Copying a bitmap onto a caller's 32-bit pixel buffer (the stand-in for a screen surface).
#pragma once

#include "graphics/color32.h"

#include <cstddef>

namespace prismora {

class Bitmap32;

// A caller-owned buffer of width x height 32-bit pixels ($AARRGGBB), rows
// bytesPerLine apart, top row first: the layout of a QImage in Format_RGB32.
struct TargetSurface {
    Color32* bits = nullptr;
    int width = 0;
    int height = 0;
    std::ptrdiff_t bytesPerLine = 0;
};

// Copies the bitmap's colours one to one onto the surface with its top-left corner
// at (x, y), clipped to the surface. Red, green and blue are copied unchanged; the
// alpha byte of the source is ignored and written as 255 (the 0xffRRGGBB layout of
// an opaque surface). An empty bitmap or surface does nothing.
void drawOntoSurface(const Bitmap32& bitmap, const TargetSurface& surface, int x, int y);

} // namespace prismora
