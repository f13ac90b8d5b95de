// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The level file's icon: a white page carrying a small navy board with a lit lamp.
#include "file_type_icon.h"

#include "standard_colours.h"

namespace prismora::spritegen {

namespace {

struct Box {
    double left, top, right, bottom;
};

// The page and the board on it, in the picture's own units.
struct PageMeasures {
    double size;
    // The width of the page's outline.
    double line;
    Box page;
    // How far the turned-down corner reaches along each edge.
    double fold;
    Box board;
    QPointF lamp;
    double beamHalfWidth, ring, glass, glow;
};

constexpr PageMeasures FullPage{.size = 48,
                                .line = 1,
                                .page = {7.5, 1.5, 40.5, 46.5},
                                .fold = 10,
                                .board = {11, 16, 37, 42},
                                .lamp = {28, 29},
                                .beamHalfWidth = 3,
                                .ring = 8,
                                .glass = 5.5,
                                .glow = 4};
// At 16 px the outline is one pixel, and the board's edges, the beam's and
// the lamp's centre lie on pixel edges.
constexpr PageMeasures SmallPage{.size = 16,
                                 .line = 1,
                                 .page = {2.5, 0.5, 13.5, 15.5},
                                 .fold = 3,
                                 .board = {4, 5, 12, 13},
                                 .lamp = {9, 9},
                                 .beamHalfWidth = 1,
                                 .ring = 2.5,
                                 .glass = 1.5,
                                 .glow = 1};

VectorPicture page(const PageMeasures& m)
{
    VectorPicture picture(m.size);
    const QPointF foldTop(m.page.right - m.fold, m.page.top);
    const QPointF foldSide(m.page.right, m.page.top + m.fold);
    const QPointF foldCorner(foldTop.x(), foldSide.y());
    picture.add(outlined(polygonFigure({{m.page.left, m.page.top},
                                        foldTop,
                                        foldSide,
                                        {m.page.right, m.page.bottom},
                                        {m.page.left, m.page.bottom}},
                                       White),
                         m.line, Grey));
    picture.add(outlined(polygonFigure({foldTop, foldCorner, foldSide}, Silver), m.line, Grey));
    picture.add(
        rectangleFigure({m.board.left, m.board.top}, {m.board.right, m.board.bottom}, 0, DarkBlue));
    // The beam comes in from the board's left edge, as on the application icon.
    picture.add(rectangleFigure({m.board.left, m.lamp.y() - m.beamHalfWidth},
                                {m.lamp.x(), m.lamp.y() + m.beamHalfWidth}, 0, Red));
    picture.add(circleFigure(m.lamp, m.ring, Silver));
    picture.add(circleFigure(m.lamp, m.glass, DarkRed));
    picture.add(circleFigure(m.lamp, m.glow, Red));
    return picture;
}

} // namespace

VectorPicture fileTypeIcon(IconDetail detail)
{
    return page(detail == IconDetail::Full ? FullPage : SmallPage);
}

} // namespace prismora::spritegen
