// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Tests of the colour arithmetic: both variants against their per-channel formulas.
#include "graphics/color32.h"

#include <gtest/gtest.h>

namespace prismora {
namespace {

unsigned channel(Color32 c, int k) { return (c >> (8 * k)) & 255u; }

// Four different channel values derived from (xv, yv) so that channels are checked
// independently of each other.
Color32 pack(unsigned v, unsigned salt)
{
    Color32 result = 0;
    for (int k = 0; k < 4; ++k) {
        result |= Color32((v + salt * unsigned(k)) & 255u) << (8 * k);
    }
    return result;
}

unsigned portableMix(unsigned x, unsigned y, unsigned w)
{
    if (w == 0) {
        return y;
    }
    if (w == 255) {
        return x;
    }
    return ((x * w + 128) >> 8) + ((y * (255 - w) + 128) >> 8);
}

unsigned vectorMix(unsigned x, unsigned y, unsigned w)
{
    return (x * w + y * (256 - w) + 128) >> 8;
}

TEST(Color32, BothMixVariantsFollowTheirFormulas)
{
    int mismatches = 0;
    for (unsigned w = 0; w < 256; ++w) {
        for (unsigned xv = 0; xv < 256; ++xv) {
            for (unsigned yv = 0; yv < 256; yv += 5) {
                const Color32 x = pack(xv, 67);
                const Color32 y = pack(yv, 151);
                const Color32 portable = mixColor32Portable(x, y, std::uint8_t(w));
                const Color32 vector = mixColor32Vector(x, y, std::uint8_t(w));
                for (int k = 0; k < 4; ++k) {
                    const unsigned xc = channel(x, k);
                    const unsigned yc = channel(y, k);
                    const bool good = channel(portable, k) == portableMix(xc, yc, w) &&
                                      channel(vector, k) == vectorMix(xc, yc, w);
                    if (!good && mismatches++ == 0) {
                        ADD_FAILURE() << "x " << xc << " y " << yc << " w " << w;
                    }
                }
            }
        }
    }
    EXPECT_EQ(mismatches, 0);
}

TEST(Color32, BilinearSampleEqualsThreeMixes)
{
    std::uint32_t state = 12345; // fixed seed
    auto next = [&state] {
        state = state * 1664525u + 1013904223u;
        return state;
    };
    for (int i = 0; i < 20000; ++i) {
        const Color32 p[4] = {next(), next(), next(), next()};
        const auto wx = std::uint8_t(next() >> 24);
        const auto wy = std::uint8_t(next() >> 24);
        const Color32 expected = mixColor32Vector(mixColor32Vector(p[0], p[1], wx),
                                                  mixColor32Vector(p[2], p[3], wx), wy);
        ASSERT_EQ(bilinearColor32Vector(p[0], p[1], p[2], p[3], wx, wy), expected)
            << "seed 12345, " << i;
    }
}

TEST(Color32, WhiteMixedWithWhite)
{
    bool saw254 = false;
    for (unsigned w = 1; w < 255; ++w) {
        const Color32 portable = mixColor32Portable(0xFFFFFFFF, 0xFFFFFFFF, std::uint8_t(w));
        ASSERT_TRUE(portable == 0xFFFFFFFF || portable == 0xFEFEFEFE) << std::hex << portable;
        saw254 = saw254 || portable == 0xFEFEFEFE;
        EXPECT_EQ(mixColor32Vector(0xFFFFFFFF, 0xFFFFFFFF, std::uint8_t(w)), 0xFFFFFFFFu);
    }
    EXPECT_TRUE(saw254);
    // The vector form has no special case at full weight.
    EXPECT_EQ(mixColor32Vector(0xFFFFFFFF, 0, 255), 0xFEFEFEFEu);
    EXPECT_EQ(mixColor32Portable(0xFFFFFFFF, 0, 255), 0xFFFFFFFFu);
    EXPECT_EQ(mixColor32Vector(0x12345678, 0x9ABCDEF0, 0), 0x9ABCDEF0u);
}

TEST(Color32, BlendVariantsFollowTheirFormulas)
{
    const Color32 b = 0x80336699;
    for (unsigned a = 0; a < 256; ++a) {
        const Color32 f = (Color32(a) << 24) | 0x00F01080;
        const Color32 portable = blendColor32Portable(f, b);
        const Color32 vector = blendColor32Vector(f, b);
        if (a == 0) {
            EXPECT_EQ(portable, b);
            EXPECT_EQ(vector, b);
            continue;
        }
        if (a == 255) {
            EXPECT_EQ(portable, f);
            EXPECT_EQ(vector, f);
            continue;
        }
        for (int k = 0; k < 4; ++k) {
            const int fc = int(channel(f, k));
            const int bc = int(channel(b, k));
            EXPECT_EQ(channel(portable, k), portableMix(unsigned(fc), unsigned(bc), a));
            EXPECT_EQ(int(channel(vector, k)), ((fc - bc) * int(a) + bc * 256 + 128) >> 8);
        }
    }
}

TEST(Color32, MasterAlphaScalesTheWeight)
{
    const Color32 f = 0xFFFF0000;
    const Color32 b = 0xFF0000FF;
    EXPECT_EQ(blendColor32Portable(f, b, 255), f);
    EXPECT_EQ(blendColor32Vector(f, b, 255), f);
    // A weight scaled to 0 keeps the destination.
    EXPECT_EQ(blendColor32Portable(0x01FF0000, b, 128), b);
    EXPECT_EQ(blendColor32Vector(0x01FF0000, b, 128), b);
    const Color32 half = blendColor32Vector(f, b, 127);
    // Weight 255 * 128 >> 8 = 127.
    EXPECT_EQ(redOf(half), 127);
    EXPECT_EQ(blueOf(half), 128);
}

TEST(Color32, DispatchFollowsTheSelectedVariant)
{
    const ColorVariant original = activeColorVariant();
#if defined(__x86_64__)
    EXPECT_EQ(original, ColorVariant::Vector);
#endif
    selectColorVariant(ColorVariant::Portable);
    EXPECT_EQ(mixColor32(0xFFFFFFFF, 0, 255), 0xFFFFFFFFu);
    selectColorVariant(ColorVariant::Vector);
    EXPECT_EQ(mixColor32(0xFFFFFFFF, 0, 255), 0xFEFEFEFEu);
    selectColorVariant(original);
}

} // namespace
} // namespace prismora
