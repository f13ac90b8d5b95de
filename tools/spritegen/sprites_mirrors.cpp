// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Mirror sprites: a one-sided mirror with a black face and a curved back, and a two-sided bar.
#include "canvas.h"
#include "sprites.h"
#include "standard_colours.h"

namespace prismora::spritegen {

QImage mirror()
{
    Canvas canvas;
    // The back bulges to the left of the mirror plane.
    const Shape back = ellipse(QPointF(23, 24), 10, 20) & rect(0, 0, 23, 48);
    canvas.fillOutlined(back, Grey);
    canvas.rim(back, QPoint(-2, 0), Silver);
    const Shape face = rect(22, 3, 27, 45);
    canvas.fillOutlined(face, Black);
    return canvas.image();
}

QImage doubleMirror()
{
    Canvas canvas;
    // Black reflecting faces on both sides of a silver core.
    const Shape bar = rect(21, 3, 27, 45);
    canvas.fill(bar, Black);
    canvas.fill(rect(23, 5, 25, 43), Grey);
    return canvas.image();
}

} // namespace prismora::spritegen
