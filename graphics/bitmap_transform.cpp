// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// transform(): fills a destination bitmap by mapping its pixels back into a source.
#include "graphics/affine_transformation.h"
#include "graphics/bitmap32.h"
#include "graphics/pixel_combiner.h"

#include <algorithm>

namespace prismora {

namespace {

using BilinearFunction = Color32 (*)(Color32, Color32, Color32, Color32, std::uint8_t,
                                     std::uint8_t);

// The source clip with inclusive bounds: columns left..right, rows top..bottom.
Rect sourceClip(const AffineTransformation& transformation, const Bitmap32& src)
{
    const FloatRect& r = transformation.sourceRect();
    const Rect rounded{roundHalfEven(r.left), roundHalfEven(r.top), roundHalfEven(r.right),
                       roundHalfEven(r.bottom)};
    return intersect(rounded, Rect{0, 0, src.width() - 1, src.height() - 1});
}

struct Sample {
    bool found;
    Color32 color;
};

// Bilinear sample at a 24.8 fixed-point source point. The band one pixel left of
// and above the clip is sampled (mixing in the outer colour); the right and bottom edges
// of the clip are not.
template <BilinearFunction Bilinear>
Sample sampleBilinear(const Bitmap32& src, const Rect& clip, int fixedX, int fixedY)
{
    const int x = fixedX >> 8;
    const int y = fixedY >> 8;
    const auto wx = static_cast<std::uint8_t>(255 - (fixedX & 255));
    const auto wy = static_cast<std::uint8_t>(255 - (fixedY & 255));
    Color32 p00, p10, p01, p11;
    if (x > clip.left && x < clip.right - 1 && y > clip.top && y < clip.bottom - 1) {
        const Color32* row = src.scanLine(y);
        const Color32* next = row + src.width();
        p00 = row[x];
        p10 = row[x + 1];
        p01 = next[x];
        p11 = next[x + 1];
    } else if (x < clip.left - 1 || y < clip.top - 1 || x >= clip.right || y >= clip.bottom) {
        return {false, 0};
    } else {
        p00 = src.guardedPixel(x, y);
        p10 = src.guardedPixel(x + 1, y);
        p01 = src.guardedPixel(x, y + 1);
        p11 = src.guardedPixel(x + 1, y + 1);
    }
    return {true, Bilinear(p00, p10, p01, p11, wx, wy)};
}

Sample sampleNearest(const Bitmap32& src, const Rect& clip, int x, int y)
{
    if (x < clip.left || x > clip.right || y < clip.top || y > clip.bottom) {
        return {false, 0};
    }
    return {true, src.pixel(x, y)};
}

enum class Filter { Nearest, Bilinear };

// Walks the destination area row by row; the back-mapping sums of mapBackInt and
// mapBackFixed are advanced by one coefficient per pixel (same 32-bit wrap-around).
template <Filter Kind, BilinearFunction Bilinear>
void fillArea(Bitmap32& dst, const Bitmap32& src, const AffineTransformation& t, const Rect& area,
              const Rect& clip)
{
    const PixelCombiner combiner(src);
    const auto [a, b, c, d, e, f] = t.fixedInverse();
    const std::uint32_t bias = Kind == Filter::Nearest ? 2047u : 7u;
    const int shift = Kind == Filter::Nearest ? 12 : 4;
    for (int j = area.top; j <= area.bottom; ++j) {
        Color32* row = dst.scanLine(j);
        std::uint32_t sumX = std::uint32_t(area.left) * std::uint32_t(a) +
                             std::uint32_t(j) * std::uint32_t(b) + std::uint32_t(c) + bias;
        std::uint32_t sumY = std::uint32_t(area.left) * std::uint32_t(d) +
                             std::uint32_t(j) * std::uint32_t(e) + std::uint32_t(f) + bias;
        for (int i = area.left; i <= area.right; ++i) {
            const int x = static_cast<std::int32_t>(sumX) >> shift;
            const int y = static_cast<std::int32_t>(sumY) >> shift;
            sumX += std::uint32_t(a);
            sumY += std::uint32_t(d);
            const Sample sample = Kind == Filter::Nearest
                                      ? sampleNearest(src, clip, x, y)
                                      : sampleBilinear<Bilinear>(src, clip, x, y);
            if (sample.found) {
                combiner.combine(sample.color, row[i]);
            }
        }
    }
}

} // namespace

void transform(Bitmap32& dst, const Bitmap32& src, AffineTransformation& transformation)
{
    if (!transformation.isInverseReady()) {
        transformation.prepareInverse();
    }
    const Rect clip = sourceClip(transformation, src);
    const Rect area =
        intersect(transformation.mappedBounds(), Rect{0, 0, dst.width() - 1, dst.height() - 1});
    if (area.left >= area.right || area.top >= area.bottom) {
        return;
    }
    if (src.stretchFilter() == StretchFilter::Nearest) {
        fillArea<Filter::Nearest, bilinearColor32Portable>(dst, src, transformation, area, clip);
    } else if (activeColorVariant() == ColorVariant::Vector) {
        fillArea<Filter::Bilinear, bilinearColor32Vector>(dst, src, transformation, area, clip);
    } else {
        fillArea<Filter::Bilinear, bilinearColor32Portable>(dst, src, transformation, area, clip);
    }
    dst.changed();
}

} // namespace prismora
