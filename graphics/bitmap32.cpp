// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Bitmap32: storage, clearing, drawing, quarter and half turns, copy-from, properties.
#include "graphics/bitmap32.h"

#include "graphics/block_transfer.h"
#include "graphics/graphics_error.h"
#include "graphics/target_surface.h"

#include <algorithm>
#include <new>
#include <utility>

namespace prismora {

Bitmap32::~Bitmap32()
{
    NotifierLock lock(*this);
    m_bits.reset();
}

void Bitmap32::replaceStorage(int newWidth, int newHeight)
{
    m_bits.reset();
    storeSize(0, 0);
    const std::int64_t count = std::int64_t(newWidth) * newHeight;
    if (count > MaxPixels) {
        throw GraphicsError(AllocationErrorText);
    }
    if (count > 0) {
        try {
            m_bits = std::make_unique<Color32[]>(static_cast<std::size_t>(count));
        } catch (const std::bad_alloc&) {
            throw GraphicsError(AllocationErrorText);
        }
    }
    storeSize(newWidth, newHeight);
}

bool Bitmap32::isEmpty() const { return !m_bits || ResizableGrid::isEmpty(); }

void Bitmap32::clear(Color32 color)
{
    if (isEmpty()) {
        return;
    }
    std::fill_n(m_bits.get(), pixelCount(), color);
    changed();
}

void Bitmap32::makeOpaque()
{
    if (isEmpty()) {
        return;
    }
    Color32* bits = m_bits.get();
    const std::size_t count = pixelCount();
    for (std::size_t i = 0; i < count; ++i) {
        bits[i] |= 0xFF000000u;
    }
    changed();
}

Color32 Bitmap32::guardedPixel(int x, int y) const
{
    if (x < 0 || y < 0 || x >= width() || y >= height()) {
        return m_outerColor;
    }
    return pixel(x, y);
}

void Bitmap32::drawOnto(Bitmap32& dst) const
{
    if (isEmpty() || dst.isEmpty()) {
        return;
    }
    blockTransfer(dst, 0, 0, Rect{0, 0, dst.width(), dst.height()}, *this,
                  Rect{0, 0, width(), height()});
    dst.changed();
}

void Bitmap32::drawOnto(Bitmap32& dst, const Rect& dstRect) const
{
    if (isEmpty() || dst.isEmpty()) {
        return;
    }
    if (dstRect.width() == width() && dstRect.height() == height()) {
        blockTransfer(dst, dstRect.left, dstRect.top, Rect{0, 0, dst.width(), dst.height()}, *this,
                      Rect{0, 0, width(), height()});
    } else {
        stretchTransfer(dst, dstRect, *this);
    }
    dst.changed();
}

void Bitmap32::drawOnto(const TargetSurface& surface, int x, int y) const
{
    drawOntoSurface(*this, surface, x, y);
}

namespace {

enum class QuarterTurn { Clockwise, CounterClockwise };

// Builds the quarter-turned picture in a bitmap carrying the source's properties.
void buildQuarterTurn(const Bitmap32& source, Bitmap32& turned, QuarterTurn turn)
{
    const int width = source.width();
    const int height = source.height();
    turned.assign(source);
    turned.setSize(height, width);
    // The turned picture is height pixels wide: (column, row) is at column + row * height.
    Color32* target = turned.bits();
    const auto at = [height](int column, int row) {
        return std::size_t(column) + std::size_t(row) * std::size_t(height);
    };
    for (int y = 0; y < height; ++y) {
        const Color32* row = source.scanLine(y);
        for (int x = 0; x < width; ++x) {
            if (turn == QuarterTurn::Clockwise) {
                target[at(height - 1 - y, x)] = row[x];
            } else {
                target[at(y, width - 1 - x)] = row[x];
            }
        }
    }
}

} // namespace

void Bitmap32::turnClockwise()
{
    Bitmap32 turned;
    buildQuarterTurn(*this, turned, QuarterTurn::Clockwise);
    assign(turned);
}

void Bitmap32::turnHalf()
{
    if (isEmpty()) {
        return;
    }
    std::reverse(m_bits.get(), m_bits.get() + pixelCount());
    changed();
}

void Bitmap32::turnCounterClockwise()
{
    Bitmap32 turned;
    buildQuarterTurn(*this, turned, QuarterTurn::CounterClockwise);
    assign(turned);
}

void Bitmap32::assign(const Bitmap32& source)
{
    if (&source == this) {
        return;
    }
    {
        UpdateScope update(*this);
        setSize(source.width(), source.height());
        if (!source.isEmpty() && !isEmpty()) {
            std::copy_n(source.bits(), pixelCount(), m_bits.get());
        }
        copyPropertiesFrom(source);
    }
    changed();
}

void Bitmap32::copyPropertiesFrom(const Bitmap32& source)
{
    m_drawMode = source.m_drawMode;
    m_masterAlpha = source.m_masterAlpha;
    m_outerColor = source.m_outerColor;
    m_stretchFilter = source.m_stretchFilter;
}

void Bitmap32::setDrawMode(DrawMode mode)
{
    if (mode != m_drawMode) {
        m_drawMode = mode;
        changed();
    }
}

void Bitmap32::setMasterAlpha(std::uint8_t alpha)
{
    if (alpha != m_masterAlpha) {
        m_masterAlpha = alpha;
        changed();
    }
}

void Bitmap32::setStretchFilter(StretchFilter filter)
{
    if (filter != m_stretchFilter) {
        m_stretchFilter = filter;
        changed();
    }
}

void Bitmap32::setOuterColor(Color32 color)
{
    if (color != m_outerColor) {
        m_outerColor = color;
        markChanged();
    }
}

void Bitmap32::setPixelCombineHandler(PixelCombineHandler handler)
{
    m_pixelCombineHandler = std::move(handler);
    markChanged();
}

} // namespace prismora
