// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The paint cycle checked on rendered boards: grid, beams, sprites over beams, drawing order.
#include "rendered_board.h"

#include "view/board_painter.h"
#include "view/board_view.h"

#include <QPainter>

namespace prismora::test {
namespace {

TEST(BoardPaint, EmptyBoardIsSilverWithTenGreyLinesEachWay)
{
    const QImage image = render(Level{});
    ASSERT_EQ(image.size(), QSize(451, 451));
    for (int i = 0; i <= 9; ++i) {
        EXPECT_EQ(image.pixel(i * 50, 25), Grey) << "vertical line " << i;
        EXPECT_EQ(image.pixel(25, i * 50), Grey) << "horizontal line " << i;
    }
    EXPECT_EQ(image.pixel(0, 0), Grey);
    EXPECT_EQ(image.pixel(450, 449), Grey);
    EXPECT_EQ(image.pixel(449, 450), Grey);
    // Each line stops one pixel short of its end point.
    EXPECT_EQ(image.pixel(450, 450), Silver);
    EXPECT_EQ(image.pixel(25, 25), Silver);
    EXPECT_EQ(image.pixel(51, 49), Silver);
    EXPECT_EQ(image.pixel(449, 449), Silver);
}

TEST(BoardPaint, BeamsRunInTheirEmittersColourFromCentreToCentreAndOffTheEdge)
{
    Level board;
    cannon(board, 1, 5, 0, RedBeam);   // east along row 5
    cannon(board, 5, 1, 6, GreenBeam); // south along column 5, drawn over the red
    cannon(board, 9, 9, 4, BlueBeam);  // west along row 9, off the left edge
    const QImage image = render(board);
    for (int column = 2; column <= 9; ++column) {
        EXPECT_EQ(image.pixel(centre(column), centre(5)), column == 5 ? Green : Red) << column;
    }
    EXPECT_EQ(image.pixel(450, centre(5)), Red);
    EXPECT_EQ(image.pixel(centre(5), 450), Green);
    EXPECT_EQ(image.pixel(0, centre(9)), Blue);
    // 10 pixels wide: a few pixels off the centre line it is still beam,
    // well off it the board shows.
    EXPECT_EQ(image.pixel(110, centre(5) - 4), Red);
    EXPECT_EQ(image.pixel(110, centre(5) + 4), Red);
    EXPECT_EQ(image.pixel(110, centre(5) - 8), Silver);
    EXPECT_EQ(image.pixel(110, centre(5) + 8), Silver);
}

TEST(BoardPaint, DiagonalBeamRunsThroughCornersToTheEdge)
{
    Level board;
    cannon(board, 9, 9, 3, BlueBeam); // north-west across the whole board
    const QImage image = render(board);
    for (int cell = 1; cell <= 8; ++cell) {
        EXPECT_EQ(image.pixel(centre(cell), centre(cell)), Blue) << cell;
    }
    EXPECT_EQ(image.pixel(50, 50), Blue);
    EXPECT_EQ(image.pixel(0, 0), Blue);
    EXPECT_EQ(image.pixel(centre(2), centre(1)), Silver);
}

TEST(BoardPaint, PiecesCoverTheBeamUnderThemExceptAtWhitePixels)
{
    Level board;
    cannon(board, 1, 5, 0, RedBeam);
    const int oneWay = place(board, PieceKind::OneWay, 4, 5, 0); // passes eastwards beams
    const int lamp = place(board, PieceKind::RedLamp, 7, 5, 0);
    const QImage image = render(board);
    expectSpriteInCell(image, renderWithout(board, oneWay), 4, 5, 18);
    expectSpriteInCell(image, renderWithout(board, lamp), 7, 5, 13);
    // The beam ends under its cannon's cell, covered by the cannon.
    expectSpriteInCell(image, renderWithout(board, lamp), 1, 5, 0);
}

struct LampCase {
    PieceKind kind;
    std::vector<std::int32_t> lighting; // cannon colours that light it together
    int darkSprite;
    int litSprite;
};

TEST(BoardPaint, LampSpritesFollowTheLitStateOfEachPaint)
{
    const LampCase cases[] = {
        {PieceKind::RedLamp, {RedBeam}, 5, 13},
        {PieceKind::GreenLamp, {GreenBeam}, 7, 15},
        {PieceKind::BlueLamp, {BlueBeam}, 6, 14},
        {PieceKind::WhiteLamp, {RedBeam, GreenBeam, BlueBeam}, 19, 20},
    };
    // Cannons at the west, north and east of the lamp's cell (5, 5).
    const int cannonCell[3][3] = {{1, 5, 0}, {5, 1, 6}, {9, 5, 4}};
    for (const LampCase& c : cases) {
        Level board;
        const int lamp = place(board, c.kind, 5, 5, 0);
        expectSpriteInCell(render(board), renderWithout(board, lamp), 5, 5, c.darkSprite);
        for (std::size_t i = 0; i < c.lighting.size(); ++i) {
            cannon(board, cannonCell[i][0], cannonCell[i][1], cannonCell[i][2], c.lighting[i]);
        }
        expectSpriteInCell(render(board), renderWithout(board, lamp), 5, 5, c.litSprite);
        // Taking the last light away darkens it again in the next paint.
        board.sources.back().removed = true;
        expectSpriteInCell(render(board), renderWithout(board, lamp), 5, 5, c.darkSprite);
    }
}

TEST(BoardPaint, ObstacleCoversItsCellStraightAndExposesCornersDiagonally)
{
    for (std::uint8_t direction = 0; direction < 8; ++direction) {
        Level board;
        cannon(board, 1, 5, 0, RedBeam); // ends at the obstacle's centre
        place(board, PieceKind::Obstacle, 5, 5, direction);
        const QImage image = render(board);
        const int left = spriteCorner(5);
        int beamPixels = 0;
        for (int y = left; y < left + 48; ++y) {
            for (int x = left; x < left + 48; ++x) {
                beamPixels += image.pixel(x, y) == Red ? 1 : 0;
            }
        }
        if (direction % 2 == 0) {
            EXPECT_EQ(beamPixels, 0) << int(direction);
            EXPECT_NE(image.pixel(left, left), Silver) << int(direction);
            EXPECT_NE(image.pixel(left + 47, left + 47), Silver) << int(direction);
        } else {
            // The turned square leaves the corners, and the 47 x 47 picture
            // its last column and row, to the board.
            EXPECT_EQ(image.pixel(left, left), Silver) << int(direction);
            EXPECT_EQ(image.pixel(left + 46, left + 1), Silver) << int(direction);
            EXPECT_EQ(image.pixel(left + 47, left + 24), Silver) << int(direction);
            EXPECT_EQ(image.pixel(left + 24, left + 47), Silver) << int(direction);
            EXPECT_NE(image.pixel(left + 24, left + 24), Silver) << int(direction);
        }
    }
}

TEST(BoardPaint, OfTwoPiecesOnOneCellTheHigherIndexIsOnTop)
{
    Level mirrorOnTop;
    place(mirrorOnTop, PieceKind::Obstacle, 5, 5, 0);
    const int mirror = place(mirrorOnTop, PieceKind::Mirror, 5, 5, 0);
    expectSpriteInCell(render(mirrorOnTop), renderWithout(mirrorOnTop, mirror), 5, 5, 3);

    Level obstacleOnTop;
    place(obstacleOnTop, PieceKind::Mirror, 5, 5, 0);
    place(obstacleOnTop, PieceKind::Obstacle, 5, 5, 0);
    Level obstacleAlone;
    place(obstacleAlone, PieceKind::Obstacle, 5, 5, 0);
    EXPECT_EQ(render(obstacleOnTop), render(obstacleAlone));
}

TEST(BoardPaint, TheBoardViewDrawsNothingWhilePaintingIsOff)
{
    Level level;
    cannon(level, 1, 5, 0, RedBeam);
    const Evaluation evaluation = evaluate(level);
    BoardView view(standardSprites());
    view.showLevel(&level, &evaluation);
    EXPECT_EQ(view.grab().toImage().convertToFormat(QImage::Format_RGB32), render(level));
    view.setPaintingEnabled(false);
    const QImage hidden = view.grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_NE(hidden.pixel(centre(3), centre(5)), Red);
}

TEST(BoardPaint, RecordsWithoutSpritesShowTheStandInAndTheRestIsStillDrawn)
{
    Level board;
    place(board, static_cast<PieceKind>(200), 2, 2, 0);
    place(board, PieceKind::OffBoard, 3, 2, 0);
    place(board, PieceKind::EmptyCell, 4, 2, 0);
    cannon(board, 5, 2, 0, 0x123456);
    // Far off the board, as only a hand-edited file can place them.
    place(board, PieceKind::Mirror, 2'000'000'000, -2'000'000'000, 3);
    cannon(board, -2'000'000'000, 5, 0, RedBeam);
    cannon(board, 2'000'000'000, 2'000'000'000, 3, GreenBeam);
    place(board, PieceKind::Mirror, 5, 8, 12); // direction 12 counts as 4
    const int lamp = place(board, PieceKind::RedLamp, 8, 8, 0);
    const QImage image = render(board);
    for (int column = 2; column <= 5; ++column) {
        const int left = spriteCorner(column);
        const int top = spriteCorner(2);
        EXPECT_EQ(image.pixel(left + 8, top + 8), qRgb(0, 0, 0)) << column; // frame
        EXPECT_EQ(image.pixel(left + 11, top + 11), qRgb(255, 255, 255)) << column;
        EXPECT_EQ(image.pixel(left + 2, top + 2), Silver) << column;
    }
    expectSpriteInCell(image, renderWithout(board, lamp), 8, 8, 5);
    Level turned;
    place(turned, PieceKind::Mirror, 5, 8, 4);
    const QImage expected = render(turned);
    const QRect cell(spriteCorner(5), spriteCorner(8), 48, 48);
    EXPECT_EQ(image.copy(cell), expected.copy(cell));
}

TEST(BoardPaint, BeamsStopAtABomb)
{
    Level board;
    cannon(board, 1, 5, 0, RedBeam);
    place(board, PieceKind::Bomb, 5, 5, 0);
    EXPECT_EQ(render(board).pixel(centre(7), centre(5)), Silver);
}

} // namespace
} // namespace prismora::test
