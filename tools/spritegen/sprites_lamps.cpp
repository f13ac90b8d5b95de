// Lamp sprites: a disc in a ring with cross-hair marks; a lit lamp glows and sends out rays.
#include "canvas.h"
#include "sprites.h"
#include "standard_colours.h"

namespace prismora::spritegen {

namespace {

enum class LampState { Dark, Lit };

constexpr double RingOuter = 14.5;
constexpr double RingInner = 10.5;

void drawRays(Canvas& canvas, QRgb colour)
{
    // Between the axes, so the rays never hide a beam crossing the lamp.
    for (int i = 0; i < 8; ++i) {
        canvas.fillOutlined(ray(Centre, 22.5 + 45.0 * i, RingOuter + 1, 23.5, 7), colour);
    }
}

void drawCrossHairs(Canvas& canvas)
{
    for (int i = 0; i < 4; ++i) {
        const double degrees = 90.0 * i;
        canvas.fill(
            band(polar(Centre, degrees, RingInner - 3), polar(Centre, degrees, RingOuter + 3), 2),
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
    canvas.fillOutlined(disc(Centre, RingInner - 1.5), glass);
    if (state == LampState::Lit) {
        canvas.fill(disc(Centre, 6.5), glow);
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
