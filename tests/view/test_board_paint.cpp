// The paint cycle checked on rendered boards: grid, beams, sprites over beams, drawing order.
#include "rendered_board.h"

#include "view/board_painter.h"

#include <QPainter>

namespace prismora::test {
namespace {

int Centre(int cell) { return cell * CellSize - 24; }

TEST(BoardPaint, EmptyBoardIsSilverWithTenGreyLinesEachWay)
{
    Board board;
    const RenderedBoard rendered = RenderBoardWithVerdict(board, StandardSprites());
    const QImage& image = rendered.image;
    ASSERT_EQ(image.size(), QSize(451, 451));
    ASSERT_TRUE(rendered.verdict);
    EXPECT_EQ(rendered.verdict->verdict, Verdict::NoLamps);
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
    Board board;
    board.AppendCannon(1, 5, 0, RedBeam);   // east along row 5
    board.AppendCannon(5, 1, 6, GreenBeam); // south along column 5, drawn over the red
    board.AppendCannon(9, 9, 4, BlueBeam);  // west along row 9, off the left edge
    const QImage image = Render(board);
    for (int column = 2; column <= 9; ++column) {
        EXPECT_EQ(image.pixel(Centre(column), Centre(5)), column == 5 ? Green : Red) << column;
    }
    EXPECT_EQ(image.pixel(450, Centre(5)), Red);
    EXPECT_EQ(image.pixel(Centre(5), 450), Green);
    EXPECT_EQ(image.pixel(0, Centre(9)), Blue);
    // 10 pixels wide: a few pixels off the centre line it is still beam,
    // well off it the board shows.
    EXPECT_EQ(image.pixel(110, Centre(5) - 4), Red);
    EXPECT_EQ(image.pixel(110, Centre(5) + 4), Red);
    EXPECT_EQ(image.pixel(110, Centre(5) - 8), Silver);
    EXPECT_EQ(image.pixel(110, Centre(5) + 8), Silver);
}

TEST(BoardPaint, DiagonalBeamRunsThroughCornersToTheEdge)
{
    Board board;
    board.AppendCannon(9, 9, 3, BlueBeam); // north-west across the whole board
    const QImage image = Render(board);
    for (int cell = 1; cell <= 8; ++cell) {
        EXPECT_EQ(image.pixel(Centre(cell), Centre(cell)), Blue) << cell;
    }
    EXPECT_EQ(image.pixel(50, 50), Blue);
    EXPECT_EQ(image.pixel(0, 0), Blue);
    EXPECT_EQ(image.pixel(Centre(2), Centre(1)), Silver);
}

TEST(BoardPaint, PiecesCoverTheBeamUnderThemExceptAtWhitePixels)
{
    Board board;
    board.AppendCannon(1, 5, 0, RedBeam);
    const int oneWay = *board.AppendPiece(PieceKind::OneWay, 4, 5, 0); // passes eastwards beams
    const int lamp = *board.AppendPiece(PieceKind::RedLamp, 7, 5, 0);
    const QImage image = Render(board);
    ExpectSpriteInCell(image, RenderWithout(board, oneWay), 4, 5, 18);
    ExpectSpriteInCell(image, RenderWithout(board, lamp), 7, 5, 13);
    // The beam ends under its cannon's cell, covered by the cannon.
    ExpectSpriteInCell(image, RenderWithout(board, lamp), 1, 5, 0);
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
        Board board;
        const int lamp = *board.AppendPiece(c.kind, 5, 5, 0);
        ExpectSpriteInCell(Render(board), RenderWithout(board, lamp), 5, 5, c.darkSprite);
        for (std::size_t i = 0; i < c.lighting.size(); ++i) {
            board.AppendCannon(cannonCell[i][0], cannonCell[i][1],
                               static_cast<std::uint8_t>(cannonCell[i][2]), c.lighting[i]);
        }
        ExpectSpriteInCell(Render(board), RenderWithout(board, lamp), 5, 5, c.litSprite);
        // Taking the last light away darkens it again in the next paint.
        board.Emitters[static_cast<std::size_t>(board.EmitterCount - 1)].Deleted = true;
        ExpectSpriteInCell(Render(board), RenderWithout(board, lamp), 5, 5, c.darkSprite);
    }
}

TEST(BoardPaint, ObstacleCoversItsCellStraightAndExposesCornersDiagonally)
{
    for (std::uint8_t direction = 0; direction < 8; ++direction) {
        Board board;
        board.AppendCannon(1, 5, 0, RedBeam); // ends at the obstacle's centre
        board.AppendPiece(PieceKind::Obstacle, 5, 5, direction);
        const QImage image = Render(board);
        const int left = SpriteOrigin(5);
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
    Board mirrorOnTop;
    mirrorOnTop.AppendPiece(PieceKind::Obstacle, 5, 5, 0);
    const int mirror = *mirrorOnTop.AppendPiece(PieceKind::Mirror, 5, 5, 0);
    ExpectSpriteInCell(Render(mirrorOnTop), RenderWithout(mirrorOnTop, mirror), 5, 5, 3);

    Board obstacleOnTop;
    obstacleOnTop.AppendPiece(PieceKind::Mirror, 5, 5, 0);
    obstacleOnTop.AppendPiece(PieceKind::Obstacle, 5, 5, 0);
    Board obstacleAlone;
    obstacleAlone.AppendPiece(PieceKind::Obstacle, 5, 5, 0);
    EXPECT_EQ(Render(obstacleOnTop), Render(obstacleAlone));
}

TEST(BoardPaint, DisabledPaintingDrawsAndTracesNothing)
{
    Board board;
    board.AppendCannon(1, 5, 0, RedBeam);
    const int lamp = *board.AppendPiece(PieceKind::GreenLamp, 5, 5, 0);
    board.Pieces[static_cast<std::size_t>(lamp)].Lit = true;
    board.Finished = true;
    board.PaintEnabled = false;
    QImage image(451, 451, QImage::Format_RGB32);
    image.fill(Qt::magenta);
    const QImage before = image;
    QPainter painter(&image);
    EXPECT_FALSE(PaintBox1Paint(painter, board, StandardSprites()));
    painter.end();
    EXPECT_EQ(image, before);
    EXPECT_TRUE(board.Pieces[static_cast<std::size_t>(lamp)].Lit);
    EXPECT_TRUE(board.Finished);
}

TEST(BoardPaint, RecordsWithoutSpritesShowTheStandInAndTheRestIsStillDrawn)
{
    Board board;
    board.AppendPiece(static_cast<PieceKind>(200), 2, 2, 0);
    board.AppendPiece(PieceKind::OffBoard, 3, 2, 0);
    board.AppendPiece(PieceKind::EmptyCell, 4, 2, 0);
    board.AppendCannon(5, 2, 0, 0x123456);
    // Far off the board, as only a hand-edited file can place them.
    board.AppendPiece(PieceKind::Mirror, 2'000'000'000, -2'000'000'000, 3);
    board.AppendCannon(-2'000'000'000, 5, 0, RedBeam);
    board.AppendCannon(2'000'000'000, 2'000'000'000, 3, GreenBeam);
    const int mirror = *board.AppendPiece(PieceKind::Mirror, 5, 8, 12); // direction 12 counts as 4
    const int lamp = *board.AppendPiece(PieceKind::RedLamp, 8, 8, 0);
    const RenderedBoard rendered = RenderBoardWithVerdict(board, StandardSprites());
    ASSERT_TRUE(rendered.verdict);
    EXPECT_EQ(rendered.verdict->verdict, Verdict::LampsLeft);
    for (int column = 2; column <= 5; ++column) {
        const int left = SpriteOrigin(column);
        const int top = SpriteOrigin(2);
        EXPECT_EQ(rendered.image.pixel(left + 8, top + 8), qRgb(0, 0, 0)) << column; // frame
        EXPECT_EQ(rendered.image.pixel(left + 11, top + 11), qRgb(255, 255, 255)) << column;
        EXPECT_EQ(rendered.image.pixel(left + 2, top + 2), Silver) << column;
    }
    ExpectSpriteInCell(rendered.image, RenderWithout(board, lamp), 8, 8, 5);
    Board turned;
    turned.AppendPiece(PieceKind::Mirror, 5, 8, 4);
    const QImage expected = Render(turned);
    const QRect cell(SpriteOrigin(5), SpriteOrigin(8), 48, 48);
    EXPECT_EQ(rendered.image.copy(cell), expected.copy(cell));
    EXPECT_FALSE(board.Pieces[static_cast<std::size_t>(mirror)].Deleted);
}

TEST(BoardPaint, BombIsReportedButTheBoardIsLeftAsItIs)
{
    Board board;
    board.AppendCannon(1, 5, 0, RedBeam);
    board.AppendPiece(PieceKind::Bomb, 5, 5, 0);
    const RenderedBoard rendered = RenderBoardWithVerdict(board, StandardSprites());
    ASSERT_TRUE(rendered.verdict);
    EXPECT_EQ(rendered.verdict->verdict, Verdict::Bomb);
    EXPECT_TRUE(board.BombHit);
    EXPECT_EQ(board.PieceCount, 1);
    // The beam stops at the bomb.
    EXPECT_EQ(rendered.image.pixel(Centre(7), Centre(5)), Silver);
}

} // namespace
} // namespace prismora::test
