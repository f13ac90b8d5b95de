// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Sprites of the solid pieces: the obstacle block and the bomb.
#include "canvas.h"
#include "sprites.h"
#include "standard_colours.h"

namespace prismora::spritegen {

QImage obstacle()
{
    Canvas canvas;
    // A raised block: light bevel above and to the left, dark below and to the right.
    canvas.fillAll(Grey);
    canvas.fill(polygon({{0, 0}, {48, 0}, {41, 7}, {7, 7}, {7, 41}, {0, 48}}), Silver);
    const Shape face = rect(7, 7, 41, 41);
    canvas.fill(face, DarkYellow);
    canvas.rim(face, QPoint(-1, -1), Grey);
    canvas.rim(face, QPoint(1, 1), Black);
    const Shape square = rect(0, 0, 48, 48);
    for (const QPoint side : {QPoint(1, 0), QPoint(0, 1), QPoint(-1, 0), QPoint(0, -1)}) {
        canvas.rim(square, side, Black);
    }
    return canvas.image();
}

namespace {

void drawSkull(Canvas& canvas)
{
    const Shape cranium = ellipse(QPointF(24, 21.5), 8, 7.5);
    const Shape jaw = rect(19, 25, 29, 32);
    canvas.fillOutlined(cranium | jaw, Silver, Black, 1);
    canvas.fill(disc(QPointF(20.5, 21.5), 2.6), Black);
    canvas.fill(disc(QPointF(27.5, 21.5), 2.6), Black);
    canvas.fill(polygon({{24, 24}, {22.5, 27}, {25.5, 27}}), Black);
    for (const double x : {21.0, 23.5, 26.0}) {
        canvas.fill(rect(x, 29, x + 1, 32), Black);
    }
}

} // namespace

QImage bomb()
{
    Canvas canvas;
    for (int i = 0; i < 8; ++i) {
        const Shape spike = ray(Centre, 45.0 * i, 14, 23.5, 9);
        canvas.fillOutlined(spike, Red, DarkRed, 1);
        canvas.fill(ray(Centre, 45.0 * i, 14, 20, 4), Yellow);
    }
    const Shape shell = disc(Centre, 15);
    canvas.fillOutlined(shell, Grey);
    canvas.rim(shell, QPoint(1, 1), Silver);
    drawSkull(canvas);
    return canvas.image();
}

} // namespace prismora::spritegen
