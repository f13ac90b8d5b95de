// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The colour-blind aid on a rendered board: red solid, green dashed, blue dotted, lamps lettered.
#include "rendered_board.h"

#include "core/palette.h"
#include "view/board_painter.h"
#include "view/palette_list.h"

namespace prismora::test {
namespace {

QImage renderAided(const Level& level)
{
    QImage image(451, 451, QImage::Format_RGB32);
    paintBoard(image, 1, level, evaluate(level), standardSprites(), ColourAid::On);
    return image;
}

// Along the beam's centre line from column 2 to 8: how many pixels keep the
// beam's colour, and the longest run of them.
std::pair<int, int> beamRuns(const QImage& image, int row, QRgb colour)
{
    int count = 0;
    int run = 0;
    int longest = 0;
    for (int x = centre(2); x < centre(8); ++x) {
        const bool isBeam = image.pixel(x, centre(row)) == colour;
        count += isBeam ? 1 : 0;
        run = isBeam ? run + 1 : 0;
        longest = std::max(longest, run);
    }
    return {count, longest};
}

TEST(ColourAid, GreenBeamsAreDashedBlueDottedRedSolidAndLampsCarryLetters)
{
    Level board;
    cannon(board, 1, 2, 0, RedBeam);
    cannon(board, 1, 4, 0, GreenBeam);
    cannon(board, 1, 6, 0, BlueBeam);
    place(board, PieceKind::WhiteLamp, 9, 2);
    const QImage plain = render(board);
    const QImage aided = renderAided(board);
    const int length = centre(8) - centre(2);

    EXPECT_EQ(beamRuns(aided, 2, Red), std::pair(length, length));
    const auto [green, greenRun] = beamRuns(aided, 4, Green);
    const auto [blue, blueRun] = beamRuns(aided, 6, Blue);
    EXPECT_GT(green, length / 2);
    EXPECT_LT(green, length);
    EXPECT_GE(greenRun, 14) << "dashes";
    EXPECT_LT(blue, green);
    EXPECT_LE(blueRun, 8) << "dots";
    EXPECT_EQ(aided.pixel(centre(3) + 12, centre(4)), Silver) << "a gap shows the board";
    EXPECT_EQ(aided.pixel(centre(3) + 6, centre(6)), Silver);
    EXPECT_EQ(plain.pixel(centre(3) + 6, centre(6)), Blue);

    // The white lamp's letter box over its sprite, and nothing else moves.
    const QRect box(spriteCorner(9) + 1, spriteCorner(2) + 1, 14, 14);
    EXPECT_EQ(aided.pixel(box.left(), box.top()), qRgb(0, 0, 0));
    EXPECT_EQ(aided.pixel(box.left() + 1, box.top() + 1), qRgb(255, 255, 255));
    EXPECT_EQ(aided.copy(0, 0, 451, 100).pixel(centre(5), 10), plain.pixel(centre(5), 10));
}

// White pixels in palette row `row`: only a letter box has any.
int whitePixelsInRow(const QImage& list, int row)
{
    int count = 0;
    for (int y = row * 16; y < (row + 1) * 16; ++y) {
        for (int x = 0; x < list.width(); ++x) {
            count += list.pixel(x, y) == qRgb(255, 255, 255) ? 1 : 0;
        }
    }
    return count;
}

TEST(ColourAid, PaletteRowsOfLampsAndCannonsCarryTheirLetter)
{
    PaletteList list;
    list.showPalette(std::vector<int>(EditRowCount, 1), Mode::Edit);
    list.setFrameShape(QFrame::NoFrame);
    EXPECT_EQ(whitePixelsInRow(list.grab().toImage(), 7), 0);
    list.setColourAid(ColourAid::On);
    const QImage aided = list.grab().toImage();
    EXPECT_GT(whitePixelsInRow(aided, 7), 40) << "Röd lampa";
    EXPECT_GT(whitePixelsInRow(aided, 11), 40) << "Grön Laserkanon";
    EXPECT_EQ(whitePixelsInRow(aided, 0), 0) << "Spegel has no colour";
}

} // namespace
} // namespace prismora::test
