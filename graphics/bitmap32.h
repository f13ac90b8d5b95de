// TBitmap32: a 32-bit picture with alpha, one contiguous buffer, rows top first.
#pragma once

#include "graphics/color32.h"
#include "graphics/custom_map.h"
#include "graphics/rect.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>

namespace prismora {

struct TargetSurface;

// How a bitmap's pixels are combined with a destination when drawn onto another bitmap.
enum class TDrawMode { dmOpaque = 0, dmBlend = 1, dmCustom = 2 };

// Sampling for resizing and transforming. Everything but sfNearest samples bilinearly.
enum class TStretchFilter {
    sfNearest = 0,
    sfLinear = 1,
    sfSpline = 2,
    sfLanczos = 3,
    sfMitchell = 4
};

// Custom combination: f = the pixel drawn, b = the destination pixel (updated in
// place), m = the drawing bitmap's master alpha.
using TPixelCombineEvent = std::function<void(TColor32 f, TColor32& b, TColor32 m)>;

// Error texts shared by the stored form and allocation.
inline constexpr const char* StreamReadErrorText = "Stream read error";
inline constexpr const char* StreamWriteErrorText = "Stream write error";
inline constexpr const char* AllocationErrorText = "Can't allocate the DIB handle";

// A picture of Width x Height TColor32 values; pixel (x, y) at index x + y * Width.
// A new bitmap is 0 x 0 and empty. Not copyable: use Assign to copy the picture.
// Errors: allocation beyond MaxPixels throws GraphicsError(AllocationErrorText) and
// leaves the bitmap empty; the stored form reports its errors as values.
class TBitmap32 : public TCustomMap {
public:
    // Largest pixel count a bitmap may hold (1 GiB of pixels).
    static constexpr std::int64_t MaxPixels = std::int64_t(1) << 28;

    TBitmap32() = default;
    ~TBitmap32() override;

    // Also true when there is no pixel buffer.
    bool Empty() const override;

    // Unless empty: every pixel := color, then Changed.
    void Clear(TColor32 color);
    // Sets every alpha byte to 255, keeps red, green and blue; then Changed.
    void MakeOpaque();

    // Pixel (x, y) with no bounds check.
    TColor32 Pixel(int x, int y) const { return m_bits[index(x, y)]; }
    void SetPixel(int x, int y, TColor32 color) { m_bits[index(x, y)] = color; }
    // Guarded read: OuterColor outside the bitmap.
    TColor32 PixelS(int x, int y) const;
    TColor32* Bits() { return m_bits.get(); }
    const TColor32* Bits() const { return m_bits.get(); }
    // Address of pixel (0, y).
    TColor32* ScanLine(int y) { return m_bits.get() + index(0, y); }
    const TColor32* ScanLine(int y) const { return m_bits.get() + index(0, y); }

    // Unless either is empty: this whole bitmap onto dst at (0, 0), clipped to dst,
    // by this bitmap's DrawMode, MasterAlpha and OnPixelCombine; then dst.Changed.
    void DrawOnto(TBitmap32& dst) const;
    // Unless either is empty: this whole bitmap into dstRect of dst, clipped to dst.
    // A rectangle of another size than this bitmap is filled by nearest-pixel scaling.
    void DrawOnto(TBitmap32& dst, const Rect& dstRect) const;
    // Plain copy of the colours onto a 32-bit surface with the top-left at (x, y);
    // see DrawOntoSurface.
    void DrawOnto(const TargetSurface& surface, int x, int y) const;

    // In-place turns as seen on the screen; the drawing properties survive.
    // Clockwise: W x H becomes H x W and (x, y) moves to (H-1-y, x).
    void TurnClockwise();
    // (x, y) moves to (W-1-x, H-1-y).
    void TurnHalf();
    // W x H becomes H x W and (x, y) moves to (y, W-1-x).
    void TurnCounterClockwise();

    // Copy-from: same size and pixels; DrawMode, MasterAlpha, OuterColor and
    // StretchFilter taken over. One Changed at the end, none while copying.
    void Assign(const TBitmap32& source);

    // Setters call Changed only when the value differs.
    TDrawMode DrawMode() const { return m_drawMode; }
    void SetDrawMode(TDrawMode mode);
    std::uint8_t MasterAlpha() const { return m_masterAlpha; }
    void SetMasterAlpha(std::uint8_t alpha);
    TStretchFilter StretchFilter() const { return m_stretchFilter; }
    void SetStretchFilter(TStretchFilter filter);
    // The colour read outside the bitmap; setting it sends no notification.
    TColor32 OuterColor() const { return m_outerColor; }
    void SetOuterColor(TColor32 color) { m_outerColor = color; }

    TPixelCombineEvent OnPixelCombine;

    // Stored form: int32 width, int32 height (little-endian), then the pixels row by
    // row, each a little-endian TColor32. Reading calls SetExtent with the stored
    // size once all pixels have arrived; a stream shorter than announced leaves the
    // bitmap empty and returns StreamReadErrorText. Changed is called either way.
    [[nodiscard]] std::optional<std::string> ReadPixels(std::istream& stream);
    // Returns StreamWriteErrorText when the stream fails.
    [[nodiscard]] std::optional<std::string> WritePixels(std::ostream& stream) const;

protected:
    void ReplaceStorage(int newWidth, int newHeight) override;

private:
    std::size_t index(int x, int y) const
    {
        return std::size_t(x) + std::size_t(y) * std::size_t(Width());
    }
    std::size_t pixelCount() const { return std::size_t(Width()) * std::size_t(Height()); }
    void copyPropertiesFrom(const TBitmap32& source);

    std::unique_ptr<TColor32[]> m_bits;
    TDrawMode m_drawMode = TDrawMode::dmOpaque;
    std::uint8_t m_masterAlpha = 255;
    TColor32 m_outerColor = 0x00000000;
    TStretchFilter m_stretchFilter = TStretchFilter::sfNearest;
};

} // namespace prismora
