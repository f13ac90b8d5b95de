// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Sprites of the pieces that guide beams along grey channels: cross, couplings, one-way.
#include "canvas.h"
#include "sprites.h"
#include "standard_colours.h"

#include <initializer_list>
#include <utility>
#include <vector>

namespace prismora::spritegen {

namespace {

constexpr double ChannelWidth = 12;

// A set of channels drawn as one grey body with a single black edge and a
// silver groove along the middle of each channel.
void drawChannels(Canvas& canvas, const std::vector<std::pair<QPointF, QPointF>>& runs)
{
    Shape body = rect(0, 0, 0, 0);
    for (const auto& [from, to] : runs) {
        body = body | band(from, to, ChannelWidth);
    }
    canvas.fillOutlined(body, Grey);
    for (const auto& [from, to] : runs) {
        canvas.fill(band(from, to, 2), Silver);
    }
}

void drawArrow(Canvas& canvas, QPointF tail, QPointF tip, QRgb colour)
{
    canvas.fillOutlined(arrow(tail, tip, 4, 11, 7), colour, Black, 1);
}

} // namespace

QImage cross()
{
    Canvas canvas;
    drawChannels(canvas, {{{3, 24}, {45, 24}}, {{7, 7}, {41, 41}}});
    return canvas.image();
}

namespace {

struct ArrowRun {
    QPointF tail;
    QPointF tip;
};

// A vertical bar through the centre with a stem running to the east edge,
// with arrows showing where beams go in and out.
QImage tPiece(QRgb arrowColour, std::initializer_list<ArrowRun> arrows)
{
    Canvas canvas;
    drawChannels(canvas, {{{24, 3}, {24, 45}}, {{24, 24}, {45, 24}}});
    for (const ArrowRun& run : arrows) {
        drawArrow(canvas, run.tail, run.tip, arrowColour);
    }
    return canvas.image();
}

} // namespace

// In from the east, out to the north and the south.
QImage tCoupling()
{
    return tPiece(Magenta, {{{44, 24}, {29, 24}}, {{24, 19}, {24, 3}}, {{24, 29}, {24, 45}}});
}

// In from the south, out to the north and the east.
QImage tCoupling2()
{
    return tPiece(Cyan, {{{24, 44}, {24, 29}}, {{24, 19}, {24, 3}}, {{29, 24}, {45, 24}}});
}

QImage yCoupling()
{
    Canvas canvas;
    drawChannels(canvas, {{{24, 24}, {45, 24}}, {{24, 24}, {8, 8}}, {{24, 24}, {8, 40}}});
    drawArrow(canvas, {44, 24}, {28, 24}, Blue);
    return canvas.image();
}

QImage oneWay()
{
    Canvas canvas;
    // Swallow-tail notch at the entry on the left, rounded exit on the right.
    const Shape tube = (rect(6, 16, 36, 32) - polygon({{5, 16}, {13, 24}, {5, 32}})) |
                       ellipse(QPointF(36, 24), 8, 8);
    canvas.fillOutlined(tube, DarkCyan);
    canvas.rim(tube, QPoint(0, -2), Cyan);
    // White (see-through) chevrons pointing the way beams may pass.
    for (const double x : {17.0, 25.0, 33.0}) {
        canvas.fill(polygon({{x - 3, 19}, {x, 19}, {x + 5, 24}, {x, 29}, {x - 3, 29}, {x + 2, 24}}),
                    White);
    }
    return canvas.image();
}

QImage inverter()
{
    Canvas canvas;
    // A standing hourglass: caps, side posts, and two glass halves meeting at the centre.
    canvas.fillOutlined(rect(9, 6, 12, 42) | rect(36, 6, 39, 42), Grey);
    const Shape glass = polygon({{13, 8}, {35, 8}, {26, 24}, {35, 40}, {13, 40}, {22, 24}});
    canvas.fillOutlined(glass, Silver);
    const QRgb top[] = {Red, Green, Blue};
    for (int i = 0; i < 3; ++i) {
        const double y = 9 + 5 * i;
        canvas.fill(glass & rect(0, y, 48, y + 4), top[i]);
        canvas.fill(glass & rect(0, 48 - y - 4, 48, 48 - y), top[i]);
    }
    const Shape caps = rect(6, 3, 42, 7) | rect(6, 41, 42, 45);
    canvas.fillOutlined(caps, DarkYellow);
    return canvas.image();
}

} // namespace prismora::spritegen
