// Integer and float rectangles given by their edges (Left, Top, Right, Bottom).
#pragma once

#include <algorithm>

namespace prismora {

// Right and Bottom are exclusive for block transfers; the affine code says when it
// uses them as inclusive bounds.
struct Rect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
    Rect Offset(int dx, int dy) const { return {Left + dx, Top + dy, Right + dx, Bottom + dy}; }
    bool operator==(const Rect&) const = default;
};

// Edge-wise intersection; the result may be empty (or inverted) when they do not overlap.
inline Rect Intersect(const Rect& a, const Rect& b)
{
    return {std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right),
            std::min(a.Bottom, b.Bottom)};
}

struct FloatRect {
    float Left = 0;
    float Top = 0;
    float Right = 0;
    float Bottom = 0;
    bool operator==(const FloatRect&) const = default;
};

} // namespace prismora
