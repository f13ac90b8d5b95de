// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Lamp sprites: a disc in a ring with cross-hair marks; a lit lamp glows and sends out rays.
#include "canvas.h"
#include "lamp_geometry.h"
#include "sprites.h"
#include "standard_colours.h"

namespace prismora::spritegen {

namespace {

enum class LampState { Dark, Lit };

using namespace lampshape;

void drawRays(Canvas& canvas, QRgb colour)
{
    for (int i = 0; i < 8; ++i) {
        canvas.fillOutlined(ray(Centre, FirstRayDegrees + 45.0 * i, RayInner, RayOuter, RayBase),
                            colour);
    }
}

void drawCrossHairs(Canvas& canvas)
{
    for (int i = 0; i < 4; ++i) {
        const double degrees = 90.0 * i;
        canvas.fill(band(polar(Centre, degrees, CrossHairInner),
                         polar(Centre, degrees, CrossHairOuter), CrossHairWidth),
                    Black);
    }
}

// `glass`: the lamp's disc; `glow`: its bright centre and rays when lit.
QImage lamp(LampState state, QRgb glass, QRgb glow)
{
    Canvas canvas;
    if (state == LampState::Lit) {
        drawRays(canvas, glow);
    }
    canvas.fillOutlined(ring(Centre, RingOuter, RingInner), Silver);
    canvas.rim(ring(Centre, RingOuter, RingInner), QPoint(1, 1), Grey);
    canvas.fillOutlined(disc(Centre, Glass), glass);
    if (state == LampState::Lit) {
        canvas.fill(disc(Centre, Glow), glow);
    } else {
        canvas.fill(disc(QPointF(21.5, 21.5), 2), Grey);
    }
    drawCrossHairs(canvas);
    return canvas.image();
}

} // namespace

QImage redLampDark() { return lamp(LampState::Dark, DarkRed, Red); }

QImage blueLampDark() { return lamp(LampState::Dark, DarkBlue, Blue); }

QImage greenLampDark() { return lamp(LampState::Dark, DarkGreen, Green); }

QImage redLampLit() { return lamp(LampState::Lit, DarkRed, Red); }

QImage blueLampLit() { return lamp(LampState::Lit, DarkBlue, Blue); }

QImage greenLampLit() { return lamp(LampState::Lit, DarkGreen, Green); }

QImage whiteLampDark() { return lamp(LampState::Dark, Grey, Cyan); }

QImage whiteLampLit() { return lamp(LampState::Lit, Grey, Cyan); }

} // namespace prismora::spritegen
