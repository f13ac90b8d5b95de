// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Beams laid from step shapes, each repeated step once, against the pen drawing every segment.
#include "rendered_board.h"

#include "view/beam_drawing.h"
#include "view/beam_pen.h"

#include <QPainter>

#include <random>

namespace prismora::test {
namespace {

QImage blackPicture(int scale)
{
    QImage image(451 * scale, 451 * scale, QImage::Format_RGB32);
    image.fill(Qt::black);
    return image;
}

// The pen, segment by segment in order: what the board showed before.
QImage drawnOneByOne(const std::vector<BeamSegment>& segments, int scale)
{
    QImage image = blackPicture(scale);
    QPainter painter(&image);
    BeamPainter pen(painter, scale);
    for (const BeamSegment& segment : segments) {
        pen.drawSegment(segment);
    }
    return image;
}

QImage drawnFromShapes(const std::vector<BeamSegment>& segments, int scale)
{
    QImage image = blackPicture(scale);
    PixelWriter writer(image);
    drawBeams(image, writer, segments, scale);
    return image;
}

// Random mirrors, splitters and cannons on the board, traced.
std::vector<BeamSegment> tracedRandomBoard(unsigned seed)
{
    std::mt19937 random(seed);
    Level level;
    const PieceKind kinds[] = {PieceKind::Mirror,    PieceKind::DoubleMirror, PieceKind::Cross,
                               PieceKind::YCoupling, PieceKind::TCoupling,    PieceKind::Inverter};
    for (int i = 0; i < 30; ++i) {
        place(level, kinds[random() % 6], static_cast<int>(random() % 9 + 1),
              static_cast<int>(random() % 9 + 1), static_cast<int>(random() % 8));
    }
    const std::int32_t colours[] = {RedBeam, GreenBeam, BlueBeam};
    for (int i = 0; i < 8; ++i) {
        cannon(level, static_cast<int>(random() % 11), static_cast<int>(random() % 11),
               static_cast<int>(random() % 8), colours[i % 3]);
    }
    return evaluate(level).segments;
}

TEST(BeamDrawing, ShapesLeaveExactlyThePixelsOfThePenDrawingEverySegmentInOrder)
{
    // Red across row 5, green down column 5, then red again as a second
    // pass does: red must end up on top where they cross, and the green
    // steps drawn once stay under it. Also steps off every edge, one far
    // off the board, a long segment and a step back over a step.
    constexpr std::int64_t Far = std::int64_t(1) << 31;
    std::vector<BeamSegment> crossing;
    for (int pass = 0; pass < 2; ++pass) {
        for (int column = 0; column < 10; ++column) {
            crossing.push_back({column, 5, column + 1, 5, RedBeam});
        }
        for (int row = 0; row < 10; ++row) {
            crossing.push_back({5, row, 5, row + 1, pass == 0 ? GreenBeam : BlueBeam});
        }
    }
    crossing.push_back({9, 1, 10, 0, GreenBeam});
    crossing.push_back({1, 9, 0, 10, BlueBeam});
    crossing.push_back({-Far, 3, -Far + 1, 3, RedBeam});
    crossing.push_back({1, 1, 9, 9, GreenBeam});
    crossing.push_back({6, 5, 5, 5, BlueBeam});
    crossing.push_back({5, 5, 6, 5, RedBeam});

    std::vector<std::vector<BeamSegment>> boards{crossing};
    for (unsigned seed : {1u, 2u, 3u}) {
        boards.push_back(tracedRandomBoard(seed));
    }
    for (int scale : {1, 2}) {
        for (std::size_t i = 0; i < boards.size(); ++i) {
            EXPECT_EQ(drawnFromShapes(boards[i], scale), drawnOneByOne(boards[i], scale))
                << "board " << i << " (random seeds 1, 2, 3 after the first) at scale " << scale;
        }
    }
    EXPECT_EQ(drawnFromShapes(crossing, 1).pixel(centre(5), centre(3)), Blue)
        << "the second pass covers the first";
}

} // namespace
} // namespace prismora::test
