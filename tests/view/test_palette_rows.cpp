// Palette rows: what is drawn in play and in editing, the hidden first copy of the count, the
// list's syncing.
#include "core/palette.h"
#include "view/palette_list.h"
#include "view/palette_row_delegate.h"

#include <QFontMetrics>
#include <QPainter>
#include <QSignalSpy>

#include <gtest/gtest.h>

namespace prismora {
namespace {

const QColor Navy(0, 0, 0x80);
const QColor Yellow(0xFF, 0xFF, 0);
const QColor Highlight(0, 0x78, 0xD7);
const QRect RowRect(0, 0, 153, PaletteRowHeight);

QFont RowFont(int pixelSize)
{
    QFont font("DejaVu Sans");
    font.setPixelSize(pixelSize);
    return font;
}

QImage Blank()
{
    QImage image(RowRect.size(), QImage::Format_RGB32);
    image.fill(Navy);
    return image;
}

// The painter as the list prepares it for a selected row: a highlight brush
// different from the navy already there, so the opaque background shows.
void PrepareSelectedRow(QPainter& painter, int fontPixels)
{
    painter.setFont(RowFont(fontPixels));
    painter.setBrush(Highlight);
    painter.setPen(Yellow);
}

QImage DrawRow(const QString& text, const Board& board, int fontPixels = 13)
{
    QImage image = Blank();
    QPainter painter(&image);
    PrepareSelectedRow(painter, fontPixels);
    ListBox1DrawItem(painter, RowRect, text, board);
    return image;
}

// What a drawn row must look like: the name on its opaque background from the
// left edge, the count on its own background against the right edge, and
// nothing else.
QImage ExpectedRow(const QString& name, const QString& count, int fontPixels = 13)
{
    QImage image = Blank();
    QPainter painter(&image);
    PrepareSelectedRow(painter, fontPixels);
    const QFontMetrics metrics(painter.font());
    const int countWidth = metrics.horizontalAdvance(count);
    const int countLeft = RowRect.width() - countWidth;
    painter.fillRect(QRect(0, 0, countLeft, metrics.height()), Highlight);
    painter.drawText(0, metrics.ascent(), name);
    painter.fillRect(QRect(countLeft, 0, countWidth, metrics.height()), Highlight);
    painter.drawText(countLeft, metrics.ascent(), count);
    return image;
}

QString Row(const char* name, int count)
{
    return QString::fromStdString(BuildPaletteRow(name, count));
}

TEST(PaletteRows, PlayShowsRowsWithPiecesInHandAndBlanksTheOthers)
{
    Board board;
    board.PlayMode = true;
    EXPECT_EQ(DrawRow(Row("Spegel", 2), board), ExpectedRow("Spegel", "2"));
    EXPECT_EQ(DrawRow(Row("Y-koppling", 12), board), ExpectedRow("Y-koppling", "12"));
    EXPECT_EQ(DrawRow(Row("Spegel", 0), board), Blank());
    EXPECT_EQ(DrawRow(Row("Spegel", -1), board), Blank());
    // A count that is not a number reads as 0.
    EXPECT_EQ(DrawRow(QString("Spegel").leftJustified(49, ' ') + "x1", board), Blank());
    EXPECT_EQ(DrawRow("   ", board), Blank());
}

TEST(PaletteRows, EditingShowsEveryRowWhateverItsCount)
{
    Board board;
    board.PlayMode = false;
    EXPECT_EQ(DrawRow(Row("Röd Laserkanon", 0), board), ExpectedRow("Röd Laserkanon", "0"));
    EXPECT_EQ(DrawRow(Row("Hinder", -1), board), ExpectedRow("Hinder", "-1"));
    // Only characters 50 to 52 are the count.
    EXPECT_EQ(DrawRow(Row("Bomb", 1000), board), ExpectedRow("Bomb", "100"));
}

TEST(PaletteRows, FirstCopyOfTheCountStaysHiddenWithANarrowFont)
{
    Board board;
    // At 6 pixels the 49-character name field is narrower than the row, so
    // the count's first copy would land inside it.
    const QString row = Row("Dubbelspegel", 7);
    ASSERT_LT(QFontMetrics(RowFont(6)).horizontalAdvance(row), RowRect.width());
    EXPECT_EQ(DrawRow(row, board, 6), ExpectedRow("Dubbelspegel", "7", 6));
}

TEST(PaletteRows, NothingIsDrawnWhilePaintingIsDisabled)
{
    Board board;
    board.PaintEnabled = false;
    board.PlayMode = false;
    EXPECT_EQ(DrawRow(Row("Spegel", 3), board), Blank());
}

Palette PlayPalette()
{
    Palette palette;
    palette.AppendRows(0, PlayRowCount - 1);
    palette.Increase(0);
    palette.Increase(0);
    palette.Increase(3);
    return palette;
}

TEST(PaletteList, ShowRowsSyncsItemsAndSelectionWithoutSignals)
{
    Board board;
    PaletteList list;
    EXPECT_EQ(list.size(), QSize(153, 278));
    QSignalSpy rowChanges(&list, &QListWidget::currentRowChanged);
    Palette palette = PlayPalette();
    palette.Select(3);
    list.showRows(palette, board);
    ASSERT_EQ(list.count(), PlayRowCount);
    EXPECT_EQ(list.item(0)->text().toStdString(), palette.RowText(0));
    EXPECT_EQ(list.currentRow(), 3);

    palette.Decrease(3);
    palette.Select(-1);
    palette.RemoveRowsFrom(5);
    list.showRows(palette, board);
    EXPECT_EQ(list.count(), 5);
    EXPECT_EQ(list.item(3)->text().toStdString(), palette.RowText(3));
    EXPECT_EQ(list.currentRow(), -1);
    EXPECT_EQ(rowChanges.count(), 0);
}

TEST(PaletteList, BlankRowsKeepTheirPlaceAndCanBeSelected)
{
    Board board;
    PaletteList list;
    list.show();
    list.showRows(PlayPalette(), board);
    QSignalSpy rowChanges(&list, &QListWidget::currentRowChanged);
    list.setCurrentRow(1); // "Dubbelspegel", none in hand: drawn blank
    EXPECT_EQ(list.currentRow(), 1);
    EXPECT_EQ(rowChanges.count(), 1);
    EXPECT_EQ(list.visualItemRect(list.item(3)).top(), 3 * PaletteRowHeight);
    // The drawn rows show yellow text on navy; the blank row shows no text.
    const QImage picture = list.viewport()->grab().toImage();
    auto hasYellow = [&](int row) {
        for (int y = row * PaletteRowHeight; y < (row + 1) * PaletteRowHeight; ++y) {
            for (int x = 0; x < picture.width(); ++x) {
                if (picture.pixelColor(x, y) == Yellow) {
                    return true;
                }
            }
        }
        return false;
    };
    EXPECT_TRUE(hasYellow(0));
    EXPECT_FALSE(hasYellow(2));
    EXPECT_TRUE(hasYellow(3));
    EXPECT_EQ(picture.pixelColor(picture.width() - 2, 2 * PaletteRowHeight + 8), Navy);
}

} // namespace
} // namespace prismora
