// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Start-up choice between the portable and the vector colour arithmetic.
#include "graphics/color32.h"

#include <atomic>

namespace prismora {

namespace {

ColorVariant detectVariant()
{
#if defined(PRISMORA_HAVE_SSE2) && defined(__GNUC__)
    __builtin_cpu_init();
    return __builtin_cpu_supports("sse2") ? ColorVariant::Vector : ColorVariant::Portable;
#elif defined(PRISMORA_HAVE_SSE2)
    return ColorVariant::Vector;
#else
    return ColorVariant::Portable;
#endif
}

std::atomic<ColorVariant>& activeVariant()
{
    static std::atomic<ColorVariant> variant{detectVariant()};
    return variant;
}

template <Color32 (*Blend)(Color32, Color32)>
Color32 blendWithMaster(Color32 f, Color32 b, std::uint8_t master)
{
    if (master == 255) {
        return Blend(f, b);
    }
    const std::uint8_t scaled = scaleAlpha(alphaOf(f), master);
    if (scaled == 0) {
        return b;
    }
    return Blend((f & 0x00FFFFFFu) | (Color32(scaled) << 24), b);
}

} // namespace

Color32 blendColor32Portable(Color32 f, Color32 b, std::uint8_t master)
{
    return blendWithMaster<blendColor32Portable>(f, b, master);
}

Color32 blendColor32Vector(Color32 f, Color32 b, std::uint8_t master)
{
    return blendWithMaster<blendColor32Vector>(f, b, master);
}

ColorVariant activeColorVariant() { return activeVariant().load(std::memory_order_relaxed); }

void selectColorVariant(ColorVariant variant)
{
    activeVariant().store(variant, std::memory_order_relaxed);
}

Color32 mixColor32(Color32 x, Color32 y, std::uint8_t w)
{
    return activeColorVariant() == ColorVariant::Vector ? mixColor32Vector(x, y, w)
                                                        : mixColor32Portable(x, y, w);
}

Color32 blendColor32(Color32 f, Color32 b, std::uint8_t master)
{
    return activeColorVariant() == ColorVariant::Vector ? blendColor32Vector(f, b, master)
                                                        : blendColor32Portable(f, b, master);
}

} // namespace prismora
