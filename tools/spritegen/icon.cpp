// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The application icon drawn from the lit lamp sprite, at each size it is drawn for.
#include "icon.h"

#include "canvas.h"
#include "lamp_geometry.h"
#include "shapes.h"
#include "standard_colours.h"

namespace prismora::spritegen {

namespace {

using namespace lampshape;

// The lamp sits right of the centre, drawn smaller than on the board so its
// rays stay on the tile and the beam shows before it.
constexpr double LampScale = 0.75;
constexpr QPointF lampCentre(27.5, 24);
constexpr double TileMargin = 1;
constexpr double TileCorner = 9;
constexpr double BeamWidth = 8;
constexpr double OutlineWidth = 0.8;
constexpr double TileEdgeWidth = 1;

// A ray pointing out from `centre` at `degrees`, `base` wide at `inner`.
std::vector<QPointF> rayCorners(QPointF centre, double degrees, double inner, double outer,
                                double base)
{
    const QPointF foot = polar(centre, degrees, inner);
    const QPointF side = polar(QPointF(0, 0), degrees + 90.0, base / 2);
    return {foot + side, polar(centre, degrees, outer), foot - side};
}

std::vector<QPointF> crossHairCorners(double degrees)
{
    const QPointF side = polar(QPointF(0, 0), degrees + 90.0, CrossHairWidth * LampScale / 2);
    const QPointF inner = polar(lampCentre, degrees, CrossHairInner * LampScale);
    const QPointF outer = polar(lampCentre, degrees, CrossHairOuter * LampScale);
    return {inner + side, outer + side, outer - side, inner - side};
}

void addLitLamp(VectorPicture& picture, IconDetail detail)
{
    const double line = detail == IconDetail::Full ? OutlineWidth : 0;
    for (int i = 0; detail == IconDetail::Full && i < 8; ++i) {
        const auto corners =
            rayCorners(lampCentre, FirstRayDegrees + 45.0 * i, RayInner * LampScale,
                       RayOuter * LampScale, RayBase * LampScale);
        picture.add(outlined(polygonFigure(corners, Red), line));
    }
    picture.add(outlined(circleFigure(lampCentre, RingOuter * LampScale, Silver), line));
    picture.add(outlined(circleFigure(lampCentre, Glass * LampScale, DarkRed), line));
    picture.add(circleFigure(lampCentre, Glow * LampScale, Red));
    if (detail == IconDetail::Full) {
        for (int i = 0; i < 4; ++i) {
            picture.add(polygonFigure(crossHairCorners(90.0 * i), Black));
        }
    }
}

// At 32 px the sprite's measures put thin outlines and rays across pixel
// edges, which smears them. Here every measure is whole pixels: the tile's
// edge is the outermost pixel, the beam six rows, the rings one pixel each,
// and the rays solid wedges four pixels wide without outlines. The
// cross-hairs are left out: a one-pixel line cannot be centred on the lamp.
VectorPicture grid32Icon()
{
    constexpr QPointF centre(18, 16);
    VectorPicture picture(32);
    picture.add(outlined(rectangleFigure({0.5, 0.5}, {31.5, 31.5}, 6, DarkBlue), 1, Blue));
    picture.add(rectangleFigure({1, 13}, {centre.x(), 19}, 0, Red));
    for (int i = 0; i < 8; ++i) {
        picture.add(
            polygonFigure(rayCorners(centre, FirstRayDegrees + 45.0 * i, 8.5, 13, 4.5), Red));
    }
    picture.add(circleFigure(centre, 8, Black));
    picture.add(circleFigure(centre, 7, Silver));
    picture.add(circleFigure(centre, 5, Black));
    picture.add(circleFigure(centre, 4, DarkRed));
    picture.add(circleFigure(centre, 3, Red));
    return picture;
}

} // namespace

IconDetail iconDetailFor(int pixels)
{
    if (pixels < 32) {
        return IconDetail::Small;
    }
    return pixels == 32 ? IconDetail::Grid32 : IconDetail::Full;
}

VectorPicture applicationIcon(IconDetail detail)
{
    if (detail == IconDetail::Grid32) {
        return grid32Icon();
    }
    VectorPicture picture(SpriteSize);
    const double far = SpriteSize - TileMargin;
    picture.add(
        outlined(rectangleFigure({TileMargin, TileMargin}, {far, far}, TileCorner, DarkBlue),
                 detail == IconDetail::Full ? TileEdgeWidth : 0, Blue));
    // The beam comes in along the axis from the west, as a cannon's beam reaches a lamp.
    picture.add(rectangleFigure({TileMargin, lampCentre.y() - BeamWidth / 2},
                                {lampCentre.x(), lampCentre.y() + BeamWidth / 2}, 0, Red));
    addLitLamp(picture, detail);
    return picture;
}

VectorPicture symbolicApplicationIcon()
{
    // The grey of symbolic icons; desktops replace it with the theme's colour.
    constexpr QRgb Ink = 0xFF2E3436;
    constexpr QPointF centre(9.5, 8);
    VectorPicture picture(16);
    picture.add(rectangleFigure({0, 7}, {centre.x(), 9}, 0, Ink));
    picture.add(circleFigure(centre, 3.5, Ink));
    for (int i = 0; i < 8; ++i) {
        picture.add(
            polygonFigure(rayCorners(centre, FirstRayDegrees + 45.0 * i, 4.5, 6.5, 2.4), Ink));
    }
    return picture;
}

} // namespace prismora::spritegen
