// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Bitmap32: a 32-bit picture with alpha, one contiguous buffer, rows top first.
#pragma once

#include "base/result.h"
#include "graphics/color32.h"
#include "graphics/rect.h"
#include "graphics/resizable_grid.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <iosfwd>
#include <memory>

namespace prismora {

struct TargetSurface;

// How a bitmap's pixels are combined with a destination when drawn onto another bitmap.
enum class DrawMode { Opaque = 0, Blend = 1, Custom = 2 };

// Sampling for resizing and transforming. Everything but Nearest samples bilinearly.
enum class StretchFilter { Nearest = 0, Linear = 1, Spline = 2, Lanczos = 3, Mitchell = 4 };

// Custom combination: f = the pixel drawn, b = the destination pixel (updated in
// place), m = the drawing bitmap's master alpha.
using PixelCombineHandler = std::function<void(Color32 f, Color32& b, Color32 m)>;

// Error texts shared by the stored form and allocation.
inline constexpr const char* StreamReadErrorText = "Stream read error";
inline constexpr const char* StreamWriteErrorText = "Stream write error";
inline constexpr const char* AllocationErrorText = "Can't allocate the DIB handle";

// A picture of width() x height() Color32 values; pixel (x, y) at index x + y * width().
// A new bitmap is 0 x 0 and empty. Not copyable: use assign() to copy the picture.
// Errors: allocation beyond MaxPixels throws GraphicsError(AllocationErrorText) and
// leaves the bitmap empty; the stored form reports its errors as values.
// Every change of pixels, size or drawing property advances changeStamp(); taking
// writable access (bits(), scanLine(), setPixel()) counts as a change, so a
// caller comparing stamps must read the stamp after writing through such a pointer.
class Bitmap32 : public ResizableGrid {
public:
    // Largest pixel count a bitmap may hold (1 GiB of pixels).
    static constexpr std::int64_t MaxPixels = std::int64_t(1) << 28;

    Bitmap32() = default;
    ~Bitmap32() override;

    // Also true when there is no pixel buffer.
    bool isEmpty() const override;

    // Unless empty: every pixel := color, then changed().
    void clear(Color32 color);
    // Sets every alpha byte to 255, keeps red, green and blue; then changed().
    void makeOpaque();

    // Pixel (x, y) with no bounds check.
    Color32 pixel(int x, int y) const { return m_bits[index(x, y)]; }
    // Writes pixel (x, y), no bounds check; advances the change stamp but sends
    // no notification.
    void setPixel(int x, int y, Color32 color)
    {
        markChanged();
        m_bits[index(x, y)] = color;
    }
    // Guarded read: outerColor() outside the bitmap.
    Color32 guardedPixel(int x, int y) const;
    // Writable access advances the change stamp (no notification).
    Color32* bits()
    {
        markChanged();
        return m_bits.get();
    }
    const Color32* bits() const { return m_bits.get(); }
    // Address of pixel (0, y); writable access advances the change stamp.
    Color32* scanLine(int y)
    {
        markChanged();
        return m_bits.get() + index(0, y);
    }
    const Color32* scanLine(int y) const { return m_bits.get() + index(0, y); }

    // Unless either is empty: this whole bitmap onto dst at (0, 0), clipped to dst,
    // by this bitmap's draw mode, master alpha and combine handler; then dst.changed().
    void drawOnto(Bitmap32& dst) const;
    // Unless either is empty: this whole bitmap into dstRect of dst, clipped to dst.
    // A rectangle of another size than this bitmap is filled by nearest-pixel scaling.
    void drawOnto(Bitmap32& dst, const Rect& dstRect) const;
    // Plain copy of the colours onto a 32-bit surface with the top-left at (x, y);
    // see drawOntoSurface.
    void drawOnto(const TargetSurface& surface, int x, int y) const;

    // In-place turns as seen on the screen; the drawing properties survive.
    // Clockwise: W x H becomes H x W and (x, y) moves to (H-1-y, x).
    void turnClockwise();
    // (x, y) moves to (W-1-x, H-1-y).
    void turnHalf();
    // W x H becomes H x W and (x, y) moves to (y, W-1-x).
    void turnCounterClockwise();

    // Copy-from: same size and pixels; draw mode, master alpha, outer colour and
    // stretch filter taken over. One notification at the end, none while copying.
    void assign(const Bitmap32& source);

    // Setters call changed() only when the value differs.
    DrawMode drawMode() const { return m_drawMode; }
    void setDrawMode(DrawMode mode);
    std::uint8_t masterAlpha() const { return m_masterAlpha; }
    void setMasterAlpha(std::uint8_t alpha);
    StretchFilter stretchFilter() const { return m_stretchFilter; }
    void setStretchFilter(StretchFilter filter);
    // The colour read outside the bitmap; setting it sends no notification.
    Color32 outerColor() const { return m_outerColor; }
    void setOuterColor(Color32 color);
    // The combination used in DrawMode::Custom (none: drawn as Opaque); setting it
    // sends no notification.
    const PixelCombineHandler& pixelCombineHandler() const { return m_pixelCombineHandler; }
    void setPixelCombineHandler(PixelCombineHandler handler);

    // Stored form: int32 width, int32 height (little-endian), then the pixels row by
    // row, each a little-endian Color32. Reading calls setSize with the stored
    // size once all pixels have arrived; a stream shorter than announced leaves the
    // bitmap empty and fails with StreamReadErrorText. changed() is called either way.
    Status readPixels(std::istream& stream);
    // Fails with StreamWriteErrorText when the stream fails.
    Status writePixels(std::ostream& stream) const;

protected:
    void replaceStorage(int newWidth, int newHeight) override;

private:
    std::size_t index(int x, int y) const
    {
        return std::size_t(x) + std::size_t(y) * std::size_t(width());
    }
    std::size_t pixelCount() const { return std::size_t(width()) * std::size_t(height()); }
    void copyPropertiesFrom(const Bitmap32& source);

    std::unique_ptr<Color32[]> m_bits;
    DrawMode m_drawMode = DrawMode::Opaque;
    std::uint8_t m_masterAlpha = 255;
    Color32 m_outerColor = 0x00000000;
    StretchFilter m_stretchFilter = StretchFilter::Nearest;
    PixelCombineHandler m_pixelCombineHandler;
};

} // namespace prismora
