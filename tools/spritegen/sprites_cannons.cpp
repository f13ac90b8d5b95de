// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Cannon sprites: an oval body in the beam's colour with a grey nozzle to the east.
#include "canvas.h"
#include "sprites.h"
#include "standard_colours.h"

namespace prismora::spritegen {

namespace {

struct BodyColours {
    QRgb body;      // full intensity, the colour of the beam
    QRgb shadow;    // half intensity, the lower right of the body
    QRgb highlight; // the shine on the upper left
};

void drawNozzle(Canvas& canvas)
{
    const Shape barrel = rect(28, 19, 42, 29);
    canvas.fillOutlined(barrel, Grey);
    canvas.rim(barrel, QPoint(0, -3), Silver);
    canvas.rim(barrel, QPoint(0, 2), Black);
    const Shape muzzle = rect(40, 16, 45, 32);
    canvas.fillOutlined(muzzle, Grey);
    canvas.rim(muzzle, QPoint(-2, -2), Silver);
    canvas.fill(rect(43, 21, 45, 27), Black);
}

QImage cannon(const BodyColours& colours)
{
    Canvas canvas;
    drawNozzle(canvas);
    const Shape body = ellipse(QPointF(18, 24), 15.5, 13);
    canvas.fillOutlined(body, colours.shadow);
    canvas.fill(body & ellipse(QPointF(16.5, 22.5), 13.5, 11), colours.body);
    canvas.fill(ellipse(QPointF(11, 17.5), 4.5, 2.5), colours.highlight);
    // The collar that holds the nozzle.
    const Shape collar = rect(28, 15, 32, 33) & ellipse(QPointF(29, 24), 5, 10);
    canvas.fillOutlined(collar, Grey);
    canvas.rim(collar, QPoint(-1, 0), Silver);
    // The lens where the beam is made.
    canvas.fillOutlined(ring(QPointF(18, 24), 5.5, 3), colours.shadow, Black, 1);
    canvas.fill(disc(QPointF(18, 24), 3), colours.highlight);
    return canvas.image();
}

} // namespace

QImage redCannon() { return cannon({Red, DarkRed, Silver}); }

QImage blueCannon() { return cannon({Blue, DarkBlue, Cyan}); }

QImage greenCannon() { return cannon({Green, DarkGreen, Silver}); }

} // namespace prismora::spritegen
