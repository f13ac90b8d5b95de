// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

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
using Color32 = std::uint32_t;

inline constexpr std::uint8_t alphaOf(Color32 c) { return static_cast<std::uint8_t>(c >> 24); }
inline constexpr std::uint8_t redOf(Color32 c) { return static_cast<std::uint8_t>(c >> 16); }
inline constexpr std::uint8_t greenOf(Color32 c) { return static_cast<std::uint8_t>(c >> 8); }
inline constexpr std::uint8_t blueOf(Color32 c) { return static_cast<std::uint8_t>(c); }
inline constexpr Color32 rgba(std::uint8_t r, std::uint8_t g, std::uint8_t b, std::uint8_t a = 255)
{
    return (Color32(a) << 24) | (Color32(r) << 16) | (Color32(g) << 8) | Color32(b);
}

// The two implementations of the colour arithmetic. Both treat all four channels,
// alpha included, alike; they differ in the last bit (see the functions below).
enum class ColorVariant { Portable, Vector };

// Mixes x and y with weight w (0..255) belonging to x, per channel:
// w = 0 gives y, w = 255 gives x, otherwise ((x*w + 128) >> 8) + ((y*(255-w) + 128) >> 8).
// Works on two channels at a time. Mixing 255 with 255 at 1..254 may give 254.
inline Color32 mixColor32Portable(Color32 x, Color32 y, std::uint8_t w)
{
    if (w == 0) {
        return y;
    }
    if (w == 255) {
        return x;
    }
    constexpr Color32 mask = 0x00FF00FF;
    constexpr Color32 half = 0x00800080;
    const Color32 wy = 255u - w;
    // Each 16-bit lane holds at most 255*255 + 128, so no lane carries into the next.
    const Color32 xEven = (((x & mask) * w + half) >> 8) & mask;
    const Color32 xOdd = ((((x >> 8) & mask) * w + half) >> 8) & mask;
    const Color32 yEven = (((y & mask) * wy + half) >> 8) & mask;
    const Color32 yOdd = ((((y >> 8) & mask) * wy + half) >> 8) & mask;
    // The two terms of one channel never sum above 255.
    return (xEven + yEven) | ((xOdd + yOdd) << 8);
}

// Vector form: per channel (x*w + y*(256-w) + 128) >> 8, with no special cases;
// w = 0 gives y exactly, w = 255 does not always give x (255 with 0 gives 254).
inline Color32 mixColor32Vector(Color32 x, Color32 y, std::uint8_t w)
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
    return static_cast<Color32>(_mm_cvtsi128_si32(_mm_packus_epi16(sum, zero)));
#else
    Color32 result = 0;
    for (int shift = 0; shift < 32; shift += 8) {
        const Color32 xc = (x >> shift) & 255u;
        const Color32 yc = (y >> shift) & 255u;
        result |= (((xc * w + yc * (256u - w) + 128u) >> 8) & 255u) << shift;
    }
    return result;
#endif
}

// One bilinear sample: Mix(Mix(p00, p10, wx), Mix(p01, p11, wx), wy) in the given variant.
inline Color32 bilinearColor32Portable(Color32 p00, Color32 p10, Color32 p01, Color32 p11,
                                       std::uint8_t wx, std::uint8_t wy)
{
    return mixColor32Portable(mixColor32Portable(p00, p10, wx), mixColor32Portable(p01, p11, wx),
                              wy);
}

// Same result as three mixColor32Vector calls; the two row mixes share one register.
inline Color32 bilinearColor32Vector(Color32 p00, Color32 p10, Color32 p01, Color32 p11,
                                     std::uint8_t wx, std::uint8_t wy)
{
#ifdef PRISMORA_HAVE_SSE2
    const __m128i zero = _mm_setzero_si128();
    const __m128i half = _mm_set1_epi16(128);
    auto pair = [&zero](Color32 low, Color32 high) {
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
    return static_cast<Color32>(_mm_cvtsi128_si32(_mm_packus_epi16(sum, zero)));
#else
    return mixColor32Vector(mixColor32Vector(p00, p10, wx), mixColor32Vector(p01, p11, wx), wy);
#endif
}

// Blends f onto b with f's alpha a: a = 0 keeps b, a = 255 gives f, otherwise per
// channel ((f*a + 128) >> 8) + ((b*(255-a) + 128) >> 8).
inline Color32 blendColor32Portable(Color32 f, Color32 b)
{
    return mixColor32Portable(f, b, alphaOf(f));
}

// Vector form: a = 0 keeps b, a = 255 gives f, otherwise ((f - b)*a + b*256 + 128) >> 8.
inline Color32 blendColor32Vector(Color32 f, Color32 b)
{
    const std::uint8_t a = alphaOf(f);
    if (a == 0) {
        return b;
    }
    if (a == 255) {
        return f;
    }
    return mixColor32Vector(f, b, a);
}

// Scales an alpha weight by a master alpha: (a * (m + 1)) >> 8, so m = 255 keeps a.
inline constexpr std::uint8_t scaleAlpha(std::uint8_t a, std::uint8_t master)
{
    return static_cast<std::uint8_t>((unsigned(a) * (unsigned(master) + 1u)) >> 8);
}

// Blend with a master alpha: f's alpha is scaled first; a scaled weight of 0 keeps b.
Color32 blendColor32Portable(Color32 f, Color32 b, std::uint8_t master);
Color32 blendColor32Vector(Color32 f, Color32 b, std::uint8_t master);

// The variant chosen at start-up: Vector when the processor has SSE2, else Portable.
ColorVariant activeColorVariant();
// Switches the variant used by mixColor32, the blend and transform(). For tests and
// benchmarks; the program keeps the start-up choice.
void selectColorVariant(ColorVariant variant);

// Mixing and blending through the active variant.
Color32 mixColor32(Color32 x, Color32 y, std::uint8_t w);
Color32 blendColor32(Color32 f, Color32 b, std::uint8_t master = 255);

} // namespace prismora
