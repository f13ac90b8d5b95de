// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Writing spans of opaque pixels straight into a 32-bit picture, clipped to it.
#include "view/pixel_spans.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <stdexcept>

namespace prismora {
namespace {

bool isThirtyTwoBit(QImage::Format format)
{
    return format == QImage::Format_RGB32 || format == QImage::Format_ARGB32 ||
           format == QImage::Format_ARGB32_Premultiplied;
}

// Shapes placed this far off the picture are not drawn at all, so the
// arithmetic below stays in int.
constexpr std::int64_t FarOff = 1 << 20;

bool isFarOff(std::int64_t x, std::int64_t y)
{
    return x < -FarOff || x > FarOff || y < -FarOff || y > FarOff;
}

// Fills `count` pixels, four at a time where it can: a plain loop is not
// turned into wide stores at the build's optimisation level.
void fillRun(QRgb* pixels, int count, QRgb colour)
{
    const std::array<QRgb, 4> four{colour, colour, colour, colour};
    int i = 0;
    for (; i + 4 <= count; i += 4) {
        std::memcpy(pixels + i, four.data(), sizeof(four));
    }
    for (; i < count; ++i) {
        pixels[i] = colour;
    }
}

// Copies `count` pixels; sprite spans are short, so a loop beats a call.
void copyPixels(const QRgb* source, int count, QRgb* target)
{
    int i = 0;
    for (; i + 4 <= count; i += 4) {
        std::memcpy(target + i, source + i, 4 * sizeof(QRgb));
    }
    for (; i < count; ++i) {
        target[i] = source[i];
    }
}

} // namespace

void PixelWriter::fillPixels(QRgb* row, int left, int right, QRgb colour)
{
    fillRun(row + left, right - left, colour);
}

PixelWriter::PixelWriter(QImage& image)
    : m_bits(nullptr), m_stride(image.bytesPerLine()), m_width(image.width()),
      m_height(image.height())
{
    if (!isThirtyTwoBit(image.format())) {
        throw std::invalid_argument("PixelWriter needs a 32-bit picture");
    }
    m_bits = image.bits();
}

void PixelWriter::fillRect(int left, int top, int width, int height, QRgb colour)
{
    const int x0 = std::max(left, 0);
    const int x1 = std::min(left + width, m_width);
    const int y0 = std::max(top, 0);
    const int y1 = std::min(top + height, m_height);
    for (int y = y0; y < y1 && x0 < x1; ++y) {
        fillRun(row(y) + x0, x1 - x0, colour);
    }
}

template <typename Action>
void PixelWriter::forEachClippedSpan(const SpanShape& shape, std::int64_t x, std::int64_t y,
                                     Action action) const
{
    if (isFarOff(x, y)) {
        return;
    }
    const int originX = static_cast<int>(x);
    const int originY = static_cast<int>(y);
    for (const PixelSpan& span : shape) {
        const int rowIndex = originY + span.row;
        if (rowIndex < 0 || rowIndex >= m_height) {
            continue;
        }
        const int x0 = std::max(originX + span.left, 0);
        const int x1 = std::min(originX + span.right, m_width);
        if (x0 < x1) {
            action(span.row, x0 - originX, row(rowIndex) + x0, x1 - x0);
        }
    }
}

void PixelWriter::fillShape(const SpanShape& shape, std::int64_t x, std::int64_t y, QRgb colour)
{
    forEachClippedSpan(shape, x, y, [colour](int, int, QRgb* target, int count) {
        fillRun(target, count, colour);
    });
}

void PixelWriter::copyShape(const SpanShape& shape, const QImage& picture, std::int64_t x,
                            std::int64_t y)
{
    const uchar* bits = picture.constBits();
    const qsizetype stride = picture.bytesPerLine();
    forEachClippedSpan(shape, x, y, [bits, stride](int row, int left, QRgb* target, int count) {
        const auto* source =
            reinterpret_cast<const QRgb*>(bits + static_cast<std::ptrdiff_t>(row) * stride);
        copyPixels(source + left, count, target);
    });
}

} // namespace prismora
