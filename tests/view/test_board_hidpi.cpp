// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The board at twice the resolution: sprites and grid enlarged pixel for pixel, beams finer.
#include "rendered_board.h"

#include "view/board_painter.h"
#include "view/board_view.h"

namespace prismora::test {
namespace {

QImage paintedAtScale(const Level& level, int scale)
{
    QImage image(451 * scale, 451 * scale, QImage::Format_RGB32);
    paintBoard(image, scale, level, evaluate(level), standardSprites());
    return image;
}

QImage enlarged(const QImage& image, int factor)
{
    QImage result(image.size() * factor, QImage::Format_RGB32);
    for (int y = 0; y < result.height(); ++y) {
        for (int x = 0; x < result.width(); ++x) {
            result.setPixel(x, y, image.pixel(x / factor, y / factor));
        }
    }
    return result;
}

// CTest runs this once more with QT_SCALE_FACTOR=2, where the board view
// itself paints at scale 2.
TEST(HiDpi, BoardAtScaleTwoEnlargesSpritesAndGridAndDrawsBeamsInDevicePixels)
{
    Level pieces;
    for (int direction = 0; direction < 8; ++direction) {
        place(pieces, PieceKind::Obstacle, direction + 1, 2, direction);
        place(pieces, PieceKind::YCoupling, direction + 1, 4, direction);
    }
    place(pieces, static_cast<PieceKind>(200), 5, 6); // the stand-in tile
    EXPECT_EQ(paintedAtScale(pieces, 2), enlarged(render(pieces), 2));

    Level beam;
    cannon(beam, 10, 10, 3, BlueBeam); // beside the board, firing across it
    const QImage fine = paintedAtScale(beam, 2);
    bool hasDeviceDetail = false;
    for (int y = 0; y + 1 < fine.height(); y += 2) {
        for (int x = 0; x + 1 < fine.width(); x += 2) {
            const QRgb corner = fine.pixel(x, y);
            hasDeviceDetail = hasDeviceDetail || fine.pixel(x + 1, y) != corner ||
                              fine.pixel(x, y + 1) != corner || fine.pixel(x + 1, y + 1) != corner;
            for (const QRgb pixel : {corner, fine.pixel(x + 1, y + 1)}) {
                ASSERT_TRUE(pixel == Silver || pixel == Grey || pixel == Blue) << x << "," << y;
            }
        }
    }
    EXPECT_TRUE(hasDeviceDetail) << "the diagonal beam's edge steps by device pixels";

    BoardView view(standardSprites());
    const Evaluation evaluation = evaluate(beam);
    view.showLevel(&beam, &evaluation);
    const int scale = boardScaleFor(view.devicePixelRatioF());
    const QImage shown = view.grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(shown, paintedAtScale(beam, scale)) << "device pixel ratio " << scale;
}

} // namespace
} // namespace prismora::test
