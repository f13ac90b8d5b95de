// Plain colour copy of a bitmap onto a caller's pixel buffer.
#include "graphics/target_surface.h"

#include "graphics/bitmap32.h"

#include <algorithm>
#include <cstdint>

namespace prismora {

void DrawOntoSurface(const TBitmap32& bitmap, const TargetSurface& surface, int x, int y)
{
    if (bitmap.Empty() || surface.Bits == nullptr || surface.Width <= 0 || surface.Height <= 0) {
        return;
    }
    const int left = std::max(x, 0);
    const int top = std::max(y, 0);
    const int right =
        static_cast<int>(std::min<std::int64_t>(std::int64_t(x) + bitmap.Width(), surface.Width));
    const int bottom =
        static_cast<int>(std::min<std::int64_t>(std::int64_t(y) + bitmap.Height(), surface.Height));
    auto* base = reinterpret_cast<std::uint8_t*>(surface.Bits);
    for (int row = top; row < bottom; ++row) {
        const TColor32* source = bitmap.ScanLine(row - y) + (left - x);
        auto* target = reinterpret_cast<TColor32*>(base + row * surface.BytesPerLine);
        for (int column = left; column < right; ++column) {
            target[column] = *source++ | 0xFF000000u;
        }
    }
}

} // namespace prismora
