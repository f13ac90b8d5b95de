// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Clipped block transfers and nearest-pixel scaled drawing between bitmaps.
#include "graphics/block_transfer.h"

#include "graphics/graphics_error.h"
#include "graphics/pixel_combiner.h"

#include <algorithm>
#include <cstdint>

namespace prismora {

namespace {

Rect boundsOf(const Bitmap32& bitmap) { return {0, 0, bitmap.width(), bitmap.height()}; }

} // namespace

void blockTransfer(Bitmap32& destination, int dstX, int dstY, const Rect& clip,
                   const Bitmap32& source, const Rect& sourceRect)
{
    if (source.isEmpty()) {
        return;
    }
    if (destination.isEmpty()) {
        throw EmptyBitmapError("Destination bitmap is nil or empty");
    }
    const PixelCombiner combiner(source);
    if (combiner.drawsNothing()) {
        return;
    }
    const Rect dstClip = intersect(clip, boundsOf(destination));
    const Rect srcRect = intersect(sourceRect, boundsOf(source));
    const int dx = dstX - srcRect.left;
    const int dy = dstY - srcRect.top;
    const Rect placed = intersect(srcRect.offset(dx, dy), dstClip);
    if (placed.isEmpty()) {
        return;
    }
    const Rect used = placed.offset(-dx, -dy);
    for (int y = used.top; y < used.bottom; ++y) {
        combiner.combineRow(source.scanLine(y) + used.left,
                            destination.scanLine(y + dy) + used.left + dx, used.width());
    }
}

void stretchTransfer(Bitmap32& destination, const Rect& dstRect, const Bitmap32& source)
{
    if (source.isEmpty() || destination.isEmpty() || dstRect.isEmpty()) {
        return;
    }
    const PixelCombiner combiner(source);
    if (combiner.drawsNothing()) {
        return;
    }
    const Rect area = intersect(dstRect, boundsOf(destination));
    const std::int64_t rectWidth = dstRect.width();
    const std::int64_t rectHeight = dstRect.height();
    for (int y = area.top; y < area.bottom; ++y) {
        const int sy =
            static_cast<int>((y - std::int64_t(dstRect.top)) * source.height() / rectHeight);
        const Color32* sourceRow = source.scanLine(sy);
        Color32* row = destination.scanLine(y);
        for (int x = area.left; x < area.right; ++x) {
            const int sx =
                static_cast<int>((x - std::int64_t(dstRect.left)) * source.width() / rectWidth);
            combiner.combine(sourceRow[sx], row[x]);
        }
    }
}

} // namespace prismora
