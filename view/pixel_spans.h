// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Shapes as runs of pixels on rows, and writing them straight into a 32-bit picture.
#pragma once

#include <QImage>

#include <cstdint>
#include <vector>

namespace prismora {

// Pixels `left` to `right` - 1 of row `row`, relative to a shape's origin.
struct PixelSpan {
    int row;
    int left;
    int right;

    bool operator==(const PixelSpan&) const = default;
};

// A shape: its spans, row by row from the top, left to right within a row.
using SpanShape = std::vector<PixelSpan>;

// The spans of the pixels of `image` for which `isInShape(pixel)` holds, with
// the origin at the image's top-left corner.
template <typename Predicate> SpanShape spansOf(const QImage& image, Predicate isInShape)
{
    SpanShape spans;
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        int x = 0;
        while (x < image.width()) {
            if (!isInShape(row[x])) {
                ++x;
                continue;
            }
            const int left = x;
            while (x < image.width() && isInShape(row[x])) {
                ++x;
            }
            spans.push_back({y, left, x});
        }
    }
    return spans;
}

// Writes opaque pixels into a 32-bit picture (Format_RGB32, ARGB32 or
// ARGB32_Premultiplied), clipped to the picture. What it writes is exactly
// what a painter drawing the same opaque pixels would leave.
class PixelWriter {
public:
    // Throws std::invalid_argument for any other format: a programming error.
    explicit PixelWriter(QImage& image);

    int width() const { return m_width; }
    int height() const { return m_height; }

    // Row y (0 <= y < height()) to write `width()` pixels into.
    QRgb* scanLine(int y) const { return row(y); }
    // Fills pixels `left` to `right` - 1 of row y (all within the picture).
    static void fillPixels(QRgb* row, int left, int right, QRgb colour);
    // Fills the rectangle with one colour.
    void fillRect(int left, int top, int width, int height, QRgb colour);
    // Fills every span of `shape` placed with its origin at (x, y).
    void fillShape(const SpanShape& shape, std::int64_t x, std::int64_t y, QRgb colour);
    // Copies the pixels of `picture` under every span of `shape`, both placed
    // with their origin at (x, y).
    void copyShape(const SpanShape& shape, const QImage& picture, std::int64_t x, std::int64_t y);

private:
    // Calls action(shape row, first column in the shape, first target pixel,
    // pixel count) for the part of each span of `shape` placed at (x, y)
    // that lies in the picture.
    template <typename Action>
    void forEachClippedSpan(const SpanShape& shape, std::int64_t x, std::int64_t y,
                            Action action) const;

    QRgb* row(int y) const
    {
        return reinterpret_cast<QRgb*>(m_bits + static_cast<std::ptrdiff_t>(y) * m_stride);
    }

    uchar* m_bits;
    qsizetype m_stride;
    int m_width;
    int m_height;
};

} // namespace prismora
