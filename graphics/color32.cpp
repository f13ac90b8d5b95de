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

template <TColor32 (*Blend)(TColor32, TColor32)>
TColor32 blendWithMaster(TColor32 f, TColor32 b, std::uint8_t master)
{
    if (master == 255) {
        return Blend(f, b);
    }
    const std::uint8_t scaled = ScaleAlpha(AlphaOf(f), master);
    if (scaled == 0) {
        return b;
    }
    return Blend((f & 0x00FFFFFFu) | (TColor32(scaled) << 24), b);
}

} // namespace

TColor32 BlendColor32Portable(TColor32 f, TColor32 b, std::uint8_t master)
{
    return blendWithMaster<BlendColor32Portable>(f, b, master);
}

TColor32 BlendColor32Vector(TColor32 f, TColor32 b, std::uint8_t master)
{
    return blendWithMaster<BlendColor32Vector>(f, b, master);
}

ColorVariant ActiveColorVariant() { return activeVariant().load(std::memory_order_relaxed); }

void SelectColorVariant(ColorVariant variant)
{
    activeVariant().store(variant, std::memory_order_relaxed);
}

TColor32 MixColor32(TColor32 x, TColor32 y, std::uint8_t w)
{
    return ActiveColorVariant() == ColorVariant::Vector ? MixColor32Vector(x, y, w)
                                                        : MixColor32Portable(x, y, w);
}

TColor32 BlendColor32(TColor32 f, TColor32 b, std::uint8_t master)
{
    return ActiveColorVariant() == ColorVariant::Vector ? BlendColor32Vector(f, b, master)
                                                        : BlendColor32Portable(f, b, master);
}

} // namespace prismora
