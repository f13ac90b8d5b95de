// Clipped block transfers and nearest-pixel scaled drawing between bitmaps.
#include "graphics/block_transfer.h"

#include "graphics/graphics_error.h"
#include "graphics/pixel_combiner.h"

#include <algorithm>
#include <cstdint>

namespace prismora {

void PixelCombiner::CombineRow(const TColor32* source, TColor32* destination, int count) const
{
    if (m_mode == TDrawMode::dmOpaque) {
        std::copy(source, source + count, destination);
        return;
    }
    for (int i = 0; i < count; ++i) {
        Combine(source[i], destination[i]);
    }
}

namespace {

Rect boundsOf(const TBitmap32& bitmap) { return {0, 0, bitmap.Width(), bitmap.Height()}; }

} // namespace

void BlockTransfer(TBitmap32& destination, int dstX, int dstY, const Rect& clip,
                   const TBitmap32& source, const Rect& sourceRect)
{
    if (source.Empty()) {
        return;
    }
    if (destination.Empty()) {
        throw ETransformError("Destination bitmap is nil or empty");
    }
    const PixelCombiner combiner(source);
    if (combiner.DrawsNothing()) {
        return;
    }
    const Rect dstClip = Intersect(clip, boundsOf(destination));
    const Rect srcRect = Intersect(sourceRect, boundsOf(source));
    const int dx = dstX - srcRect.Left;
    const int dy = dstY - srcRect.Top;
    const Rect placed = Intersect(srcRect.Offset(dx, dy), dstClip);
    if (placed.IsEmpty()) {
        return;
    }
    const Rect used = placed.Offset(-dx, -dy);
    for (int y = used.Top; y < used.Bottom; ++y) {
        combiner.CombineRow(source.ScanLine(y) + used.Left,
                            destination.ScanLine(y + dy) + used.Left + dx, used.Width());
    }
}

void StretchTransfer(TBitmap32& destination, const Rect& dstRect, const TBitmap32& source)
{
    if (source.Empty() || destination.Empty() || dstRect.IsEmpty()) {
        return;
    }
    const PixelCombiner combiner(source);
    if (combiner.DrawsNothing()) {
        return;
    }
    const Rect area = Intersect(dstRect, boundsOf(destination));
    const std::int64_t rectWidth = dstRect.Width();
    const std::int64_t rectHeight = dstRect.Height();
    for (int y = area.Top; y < area.Bottom; ++y) {
        const int sy =
            static_cast<int>((y - std::int64_t(dstRect.Top)) * source.Height() / rectHeight);
        const TColor32* sourceRow = source.ScanLine(sy);
        TColor32* row = destination.ScanLine(y);
        for (int x = area.Left; x < area.Right; ++x) {
            const int sx =
                static_cast<int>((x - std::int64_t(dstRect.Left)) * source.Width() / rectWidth);
            combiner.Combine(sourceRow[sx], row[x]);
        }
    }
}

} // namespace prismora
