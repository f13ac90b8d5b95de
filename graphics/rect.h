// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Integer and float rectangles given by their edges (left, top, right, bottom).
#pragma once

#include <algorithm>

namespace prismora {

// right and bottom are exclusive for block transfers; the affine code says when it
// uses them as inclusive bounds.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool isEmpty() const { return right <= left || bottom <= top; }
    Rect offset(int dx, int dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }
    bool operator==(const Rect&) const = default;
};

// Edge-wise intersection; the result may be empty (or inverted) when they do not overlap.
inline Rect intersect(const Rect& a, const Rect& b)
{
    return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
            std::min(a.bottom, b.bottom)};
}

struct FloatRect {
    float left = 0;
    float top = 0;
    float right = 0;
    float bottom = 0;
    bool operator==(const FloatRect&) const = default;
};

} // namespace prismora
