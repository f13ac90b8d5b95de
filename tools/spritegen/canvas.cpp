// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A 48 x 48 drawing surface for one sprite.
#include "canvas.h"

#include "standard_colours.h"

#include <cmath>
#include <vector>

namespace prismora::spritegen {

Canvas::Canvas() : m_image(SpriteSize, SpriteSize, QImage::Format_ARGB32) { fillAll(White); }

void Canvas::fillAll(QRgb colour) { m_image.fill(colour); }

bool Canvas::covers(const Shape& shape, int x, int y) const
{
    return shape(QPointF(x + 0.5, y + 0.5));
}

void Canvas::fill(const Shape& shape, QRgb colour)
{
    for (int y = 0; y < SpriteSize; ++y) {
        for (int x = 0; x < SpriteSize; ++x) {
            if (covers(shape, x, y)) {
                m_image.setPixel(x, y, colour);
            }
        }
    }
}

void Canvas::outline(const Shape& shape, QRgb colour, double width)
{
    const int reach = static_cast<int>(std::ceil(width));
    std::vector<QPoint> offsets;
    for (int dy = -reach; dy <= reach; ++dy) {
        for (int dx = -reach; dx <= reach; ++dx) {
            if (dx * dx + dy * dy <= width * width) {
                offsets.emplace_back(dx, dy);
            }
        }
    }
    for (int y = 0; y < SpriteSize; ++y) {
        for (int x = 0; x < SpriteSize; ++x) {
            if (covers(shape, x, y)) {
                continue;
            }
            for (const QPoint& o : offsets) {
                if (covers(shape, x + o.x(), y + o.y())) {
                    m_image.setPixel(x, y, colour);
                    break;
                }
            }
        }
    }
}

void Canvas::fillOutlined(const Shape& shape, QRgb fill, QRgb line, double width)
{
    outline(shape, line, width);
    this->fill(shape, fill);
}

void Canvas::rim(const Shape& shape, QPoint offset, QRgb colour)
{
    for (int y = 0; y < SpriteSize; ++y) {
        for (int x = 0; x < SpriteSize; ++x) {
            if (covers(shape, x, y) && !covers(shape, x + offset.x(), y + offset.y())) {
                m_image.setPixel(x, y, colour);
            }
        }
    }
}

QImage Canvas::image() const
{
    QImage result = m_image;
    for (int y = 0; y < SpriteSize; ++y) {
        for (int x = 0; x < SpriteSize; ++x) {
            result.setPixel(x, y, nearestStandardColour(result.pixel(x, y)));
        }
    }
    return result;
}

} // namespace prismora::spritegen
