// TBitmap32: storage, clearing, drawing, quarter and half turns, copy-from, properties.
#include "graphics/bitmap32.h"

#include "graphics/block_transfer.h"
#include "graphics/graphics_error.h"
#include "graphics/target_surface.h"

#include <algorithm>
#include <new>

namespace prismora {

TBitmap32::~TBitmap32()
{
    PersistentLock lock(*this);
    m_bits.reset();
}

void TBitmap32::ReplaceStorage(int newWidth, int newHeight)
{
    m_bits.reset();
    StoreSize(0, 0);
    const std::int64_t count = std::int64_t(newWidth) * newHeight;
    if (count > MaxPixels) {
        throw GraphicsError(AllocationErrorText);
    }
    if (count > 0) {
        try {
            m_bits = std::make_unique<TColor32[]>(static_cast<std::size_t>(count));
        } catch (const std::bad_alloc&) {
            throw GraphicsError(AllocationErrorText);
        }
    }
    StoreSize(newWidth, newHeight);
}

bool TBitmap32::Empty() const { return !m_bits || TCustomMap::Empty(); }

void TBitmap32::Clear(TColor32 color)
{
    if (Empty()) {
        return;
    }
    std::fill_n(m_bits.get(), pixelCount(), color);
    Changed();
}

void TBitmap32::MakeOpaque()
{
    if (Empty()) {
        return;
    }
    TColor32* bits = m_bits.get();
    const std::size_t count = pixelCount();
    for (std::size_t i = 0; i < count; ++i) {
        bits[i] |= 0xFF000000u;
    }
    Changed();
}

TColor32 TBitmap32::PixelS(int x, int y) const
{
    if (x < 0 || y < 0 || x >= Width() || y >= Height()) {
        return m_outerColor;
    }
    return Pixel(x, y);
}

void TBitmap32::DrawOnto(TBitmap32& dst) const
{
    if (Empty() || dst.Empty()) {
        return;
    }
    BlockTransfer(dst, 0, 0, Rect{0, 0, dst.Width(), dst.Height()}, *this,
                  Rect{0, 0, Width(), Height()});
    dst.Changed();
}

void TBitmap32::DrawOnto(TBitmap32& dst, const Rect& dstRect) const
{
    if (Empty() || dst.Empty()) {
        return;
    }
    if (dstRect.Width() == Width() && dstRect.Height() == Height()) {
        BlockTransfer(dst, dstRect.Left, dstRect.Top, Rect{0, 0, dst.Width(), dst.Height()}, *this,
                      Rect{0, 0, Width(), Height()});
    } else {
        StretchTransfer(dst, dstRect, *this);
    }
    dst.Changed();
}

void TBitmap32::DrawOnto(const TargetSurface& surface, int x, int y) const
{
    DrawOntoSurface(*this, surface, x, y);
}

namespace {

enum class QuarterTurn { Clockwise, CounterClockwise };

// Builds the quarter-turned picture in a bitmap carrying the source's properties.
void buildQuarterTurn(const TBitmap32& source, TBitmap32& turned, QuarterTurn turn)
{
    const int width = source.Width();
    const int height = source.Height();
    turned.Assign(source);
    turned.SetExtent(height, width);
    for (int y = 0; y < height; ++y) {
        const TColor32* row = source.ScanLine(y);
        for (int x = 0; x < width; ++x) {
            if (turn == QuarterTurn::Clockwise) {
                turned.SetPixel(height - 1 - y, x, row[x]);
            } else {
                turned.SetPixel(y, width - 1 - x, row[x]);
            }
        }
    }
}

} // namespace

void TBitmap32::TurnClockwise()
{
    TBitmap32 turned;
    buildQuarterTurn(*this, turned, QuarterTurn::Clockwise);
    Assign(turned);
}

void TBitmap32::TurnHalf()
{
    if (Empty()) {
        return;
    }
    std::reverse(m_bits.get(), m_bits.get() + pixelCount());
    Changed();
}

void TBitmap32::TurnCounterClockwise()
{
    TBitmap32 turned;
    buildQuarterTurn(*this, turned, QuarterTurn::CounterClockwise);
    Assign(turned);
}

void TBitmap32::Assign(const TBitmap32& source)
{
    if (&source == this) {
        return;
    }
    {
        UpdateScope update(*this);
        SetExtent(source.Width(), source.Height());
        if (!source.Empty() && !Empty()) {
            std::copy_n(source.Bits(), pixelCount(), m_bits.get());
        }
        copyPropertiesFrom(source);
    }
    Changed();
}

void TBitmap32::copyPropertiesFrom(const TBitmap32& source)
{
    m_drawMode = source.m_drawMode;
    m_masterAlpha = source.m_masterAlpha;
    m_outerColor = source.m_outerColor;
    m_stretchFilter = source.m_stretchFilter;
}

void TBitmap32::SetDrawMode(TDrawMode mode)
{
    if (mode != m_drawMode) {
        m_drawMode = mode;
        Changed();
    }
}

void TBitmap32::SetMasterAlpha(std::uint8_t alpha)
{
    if (alpha != m_masterAlpha) {
        m_masterAlpha = alpha;
        Changed();
    }
}

void TBitmap32::SetStretchFilter(TStretchFilter filter)
{
    if (filter != m_stretchFilter) {
        m_stretchFilter = filter;
        Changed();
    }
}

} // namespace prismora
