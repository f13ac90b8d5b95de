// Transform: fills a destination bitmap by mapping its pixels back into a source.
#include "graphics/affine_transformation.h"
#include "graphics/bitmap32.h"
#include "graphics/pixel_combiner.h"

#include <algorithm>

namespace prismora {

namespace {

using BilinearFunction = TColor32 (*)(TColor32, TColor32, TColor32, TColor32, std::uint8_t,
                                      std::uint8_t);

// The source clip with inclusive bounds: columns Left..Right, rows Top..Bottom.
Rect sourceClip(const TAffineTransformation& transformation, const TBitmap32& src)
{
    const FloatRect& r = transformation.SrcRect();
    const Rect rounded{RoundHalfEven(r.Left), RoundHalfEven(r.Top), RoundHalfEven(r.Right),
                       RoundHalfEven(r.Bottom)};
    return Intersect(rounded, Rect{0, 0, src.Width() - 1, src.Height() - 1});
}

struct Sample {
    bool found;
    TColor32 color;
};

// Bilinear sample at a 24.8 fixed-point source point. The band one pixel left of
// and above the clip is sampled (mixing in OuterColor); the right and bottom edges
// of the clip are not.
template <BilinearFunction Bilinear>
Sample sampleBilinear(const TBitmap32& src, const Rect& clip, int fixedX, int fixedY)
{
    const int x = fixedX >> 8;
    const int y = fixedY >> 8;
    const auto wx = static_cast<std::uint8_t>(255 - (fixedX & 255));
    const auto wy = static_cast<std::uint8_t>(255 - (fixedY & 255));
    TColor32 p00, p10, p01, p11;
    if (x > clip.Left && x < clip.Right - 1 && y > clip.Top && y < clip.Bottom - 1) {
        const TColor32* row = src.ScanLine(y);
        const TColor32* next = row + src.Width();
        p00 = row[x];
        p10 = row[x + 1];
        p01 = next[x];
        p11 = next[x + 1];
    } else if (x < clip.Left - 1 || y < clip.Top - 1 || x >= clip.Right || y >= clip.Bottom) {
        return {false, 0};
    } else {
        p00 = src.PixelS(x, y);
        p10 = src.PixelS(x + 1, y);
        p01 = src.PixelS(x, y + 1);
        p11 = src.PixelS(x + 1, y + 1);
    }
    return {true, Bilinear(p00, p10, p01, p11, wx, wy)};
}

Sample sampleNearest(const TBitmap32& src, const Rect& clip, int x, int y)
{
    if (x < clip.Left || x > clip.Right || y < clip.Top || y > clip.Bottom) {
        return {false, 0};
    }
    return {true, src.Pixel(x, y)};
}

enum class Filter { Nearest, Bilinear };

// Walks the destination area row by row; the back-mapping sums of MapBackInt and
// MapBackFixed are advanced by one coefficient per pixel (same 32-bit wrap-around).
template <Filter Kind, BilinearFunction Bilinear>
void fillArea(TBitmap32& dst, const TBitmap32& src, const TAffineTransformation& t,
              const Rect& area, const Rect& clip)
{
    const PixelCombiner combiner(src);
    const auto [a, b, c, d, e, f] = t.FixedInverse();
    const std::uint32_t bias = Kind == Filter::Nearest ? 2047u : 7u;
    const int shift = Kind == Filter::Nearest ? 12 : 4;
    for (int j = area.Top; j <= area.Bottom; ++j) {
        TColor32* row = dst.ScanLine(j);
        std::uint32_t sumX = std::uint32_t(area.Left) * std::uint32_t(a) +
                             std::uint32_t(j) * std::uint32_t(b) + std::uint32_t(c) + bias;
        std::uint32_t sumY = std::uint32_t(area.Left) * std::uint32_t(d) +
                             std::uint32_t(j) * std::uint32_t(e) + std::uint32_t(f) + bias;
        for (int i = area.Left; i <= area.Right; ++i) {
            const int x = static_cast<std::int32_t>(sumX) >> shift;
            const int y = static_cast<std::int32_t>(sumY) >> shift;
            sumX += std::uint32_t(a);
            sumY += std::uint32_t(d);
            const Sample sample = Kind == Filter::Nearest
                                      ? sampleNearest(src, clip, x, y)
                                      : sampleBilinear<Bilinear>(src, clip, x, y);
            if (sample.found) {
                combiner.Combine(sample.color, row[i]);
            }
        }
    }
}

} // namespace

void Transform(TBitmap32& dst, const TBitmap32& src, TAffineTransformation& transformation)
{
    if (!transformation.InverseReady()) {
        transformation.PrepareInverse();
    }
    const Rect clip = sourceClip(transformation, src);
    const Rect area =
        Intersect(transformation.MappedBounds(), Rect{0, 0, dst.Width() - 1, dst.Height() - 1});
    if (area.Left >= area.Right || area.Top >= area.Bottom) {
        return;
    }
    if (src.StretchFilter() == TStretchFilter::sfNearest) {
        fillArea<Filter::Nearest, BilinearColor32Portable>(dst, src, transformation, area, clip);
    } else if (ActiveColorVariant() == ColorVariant::Vector) {
        fillArea<Filter::Bilinear, BilinearColor32Vector>(dst, src, transformation, area, clip);
    } else {
        fillArea<Filter::Bilinear, BilinearColor32Portable>(dst, src, transformation, area, clip);
    }
    dst.Changed();
}

} // namespace prismora
