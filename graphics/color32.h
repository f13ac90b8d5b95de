// 32-bit colours ($AARRGGBB) and the per-channel mixing and blending used by bitmaps.
#pragma once

#include <cstdint>

#if defined(__x86_64__) || defined(_M_X64)
#define PRISMORA_HAVE_SSE2 1
#include <emmintrin.h>
#endif

namespace prismora {

// One pixel: bits 24-31 alpha, 16-23 red, 8-15 green, 0-7 blue. In memory the
// bytes are blue, green, red, alpha. Alpha 255 is opaque.
using TColor32 = std::uint32_t;

inline constexpr std::uint8_t AlphaOf(TColor32 c) { return static_cast<std::uint8_t>(c >> 24); }
inline constexpr std::uint8_t RedOf(TColor32 c) { return static_cast<std::uint8_t>(c >> 16); }
inline constexpr std::uint8_t GreenOf(TColor32 c) { return static_cast<std::uint8_t>(c >> 8); }
inline constexpr std::uint8_t BlueOf(TColor32 c) { return static_cast<std::uint8_t>(c); }
inline constexpr TColor32 Color32(std::uint8_t r, std::uint8_t g, std::uint8_t b,
                                  std::uint8_t a = 255)
{
    return (TColor32(a) << 24) | (TColor32(r) << 16) | (TColor32(g) << 8) | TColor32(b);
}

// The two implementations of the colour arithmetic. Both treat all four channels,
// alpha included, alike; they differ in the last bit (see the functions below).
enum class ColorVariant { Portable, Vector };

// Mixes x and y with weight w (0..255) belonging to x, per channel:
// w = 0 gives y, w = 255 gives x, otherwise ((x*w + 128) >> 8) + ((y*(255-w) + 128) >> 8).
// Works on two channels at a time. Mixing 255 with 255 at 1..254 may give 254.
inline TColor32 MixColor32Portable(TColor32 x, TColor32 y, std::uint8_t w)
{
    if (w == 0) {
        return y;
    }
    if (w == 255) {
        return x;
    }
    constexpr TColor32 mask = 0x00FF00FF;
    constexpr TColor32 half = 0x00800080;
    const TColor32 wy = 255u - w;
    // Each 16-bit lane holds at most 255*255 + 128, so no lane carries into the next.
    const TColor32 xEven = (((x & mask) * w + half) >> 8) & mask;
    const TColor32 xOdd = ((((x >> 8) & mask) * w + half) >> 8) & mask;
    const TColor32 yEven = (((y & mask) * wy + half) >> 8) & mask;
    const TColor32 yOdd = ((((y >> 8) & mask) * wy + half) >> 8) & mask;
    // The two terms of one channel never sum above 255.
    return (xEven + yEven) | ((xOdd + yOdd) << 8);
}

// Vector form: per channel (x*w + y*(256-w) + 128) >> 8, with no special cases;
// w = 0 gives y exactly, w = 255 does not always give x (255 with 0 gives 254).
inline TColor32 MixColor32Vector(TColor32 x, TColor32 y, std::uint8_t w)
{
#ifdef PRISMORA_HAVE_SSE2
    const __m128i zero = _mm_setzero_si128();
    const __m128i xs = _mm_unpacklo_epi8(_mm_cvtsi32_si128(static_cast<int>(x)), zero);
    const __m128i ys = _mm_unpacklo_epi8(_mm_cvtsi32_si128(static_cast<int>(y)), zero);
    const __m128i ws = _mm_set1_epi16(static_cast<short>(w));
    // (x - y)*w + y*256 + 128 equals the formula modulo 2^16 and the true value fits 16 bits.
    __m128i sum = _mm_mullo_epi16(_mm_sub_epi16(xs, ys), ws);
    sum = _mm_add_epi16(sum, _mm_slli_epi16(ys, 8));
    sum = _mm_add_epi16(sum, _mm_set1_epi16(128));
    sum = _mm_srli_epi16(sum, 8);
    return static_cast<TColor32>(_mm_cvtsi128_si32(_mm_packus_epi16(sum, zero)));
#else
    TColor32 result = 0;
    for (int shift = 0; shift < 32; shift += 8) {
        const TColor32 xc = (x >> shift) & 255u;
        const TColor32 yc = (y >> shift) & 255u;
        result |= (((xc * w + yc * (256u - w) + 128u) >> 8) & 255u) << shift;
    }
    return result;
#endif
}

// One bilinear sample: Mix(Mix(p00, p10, wx), Mix(p01, p11, wx), wy) in the given variant.
inline TColor32 BilinearColor32Portable(TColor32 p00, TColor32 p10, TColor32 p01, TColor32 p11,
                                        std::uint8_t wx, std::uint8_t wy)
{
    return MixColor32Portable(MixColor32Portable(p00, p10, wx), MixColor32Portable(p01, p11, wx),
                              wy);
}

// Same result as three MixColor32Vector calls; the two row mixes share one register.
inline TColor32 BilinearColor32Vector(TColor32 p00, TColor32 p10, TColor32 p01, TColor32 p11,
                                      std::uint8_t wx, std::uint8_t wy)
{
#ifdef PRISMORA_HAVE_SSE2
    const __m128i zero = _mm_setzero_si128();
    const __m128i half = _mm_set1_epi16(128);
    auto pair = [&zero](TColor32 low, TColor32 high) {
        return _mm_unpacklo_epi8(_mm_unpacklo_epi32(_mm_cvtsi32_si128(static_cast<int>(low)),
                                                    _mm_cvtsi32_si128(static_cast<int>(high))),
                                 zero);
    };
    const __m128i xs = pair(p00, p01); // lanes 0-3 the top row, 4-7 the bottom row
    const __m128i ys = pair(p10, p11);
    __m128i rows = _mm_mullo_epi16(_mm_sub_epi16(xs, ys), _mm_set1_epi16(static_cast<short>(wx)));
    rows = _mm_srli_epi16(_mm_add_epi16(_mm_add_epi16(rows, _mm_slli_epi16(ys, 8)), half), 8);
    const __m128i bottom = _mm_srli_si128(rows, 8);
    __m128i sum =
        _mm_mullo_epi16(_mm_sub_epi16(rows, bottom), _mm_set1_epi16(static_cast<short>(wy)));
    sum = _mm_srli_epi16(_mm_add_epi16(_mm_add_epi16(sum, _mm_slli_epi16(bottom, 8)), half), 8);
    return static_cast<TColor32>(_mm_cvtsi128_si32(_mm_packus_epi16(sum, zero)));
#else
    return MixColor32Vector(MixColor32Vector(p00, p10, wx), MixColor32Vector(p01, p11, wx), wy);
#endif
}

// Blends f onto b with f's alpha a: a = 0 keeps b, a = 255 gives f, otherwise per
// channel ((f*a + 128) >> 8) + ((b*(255-a) + 128) >> 8).
inline TColor32 BlendColor32Portable(TColor32 f, TColor32 b)
{
    return MixColor32Portable(f, b, AlphaOf(f));
}

// Vector form: a = 0 keeps b, a = 255 gives f, otherwise ((f - b)*a + b*256 + 128) >> 8.
inline TColor32 BlendColor32Vector(TColor32 f, TColor32 b)
{
    const std::uint8_t a = AlphaOf(f);
    if (a == 0) {
        return b;
    }
    if (a == 255) {
        return f;
    }
    return MixColor32Vector(f, b, a);
}

// Scales an alpha weight by a master alpha: (a * (m + 1)) >> 8, so m = 255 keeps a.
inline constexpr std::uint8_t ScaleAlpha(std::uint8_t a, std::uint8_t master)
{
    return static_cast<std::uint8_t>((unsigned(a) * (unsigned(master) + 1u)) >> 8);
}

// Blend with a master alpha: f's alpha is scaled first; a scaled weight of 0 keeps b.
TColor32 BlendColor32Portable(TColor32 f, TColor32 b, std::uint8_t master);
TColor32 BlendColor32Vector(TColor32 f, TColor32 b, std::uint8_t master);

// The variant chosen at start-up: Vector when the processor has SSE2, else Portable.
ColorVariant ActiveColorVariant();
// Switches the variant used by MixColor32, the blend and Transform. For tests and
// benchmarks; the program keeps the start-up choice.
void SelectColorVariant(ColorVariant variant);

// Mixing and blending through the active variant.
TColor32 MixColor32(TColor32 x, TColor32 y, std::uint8_t w);
TColor32 BlendColor32(TColor32 f, TColor32 b, std::uint8_t master = 255);

} // namespace prismora
