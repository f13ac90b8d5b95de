// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Palette rows: what is drawn in play and in editing, and the list's syncing.
#include "core/level.h"
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
const QRect rowRect(0, 0, 153, PaletteRowHeight);

QFont rowFont(int pixelSize)
{
    QFont font("DejaVu Sans");
    font.setPixelSize(pixelSize);
    return font;
}

QImage Blank()
{
    QImage image(rowRect.size(), QImage::Format_RGB32);
    image.fill(Navy);
    return image;
}

// The painter as the list prepares it for a selected row: a highlight brush
// different from the navy already there, so the opaque background shows.
void prepareSelectedRow(QPainter& painter, int fontPixels)
{
    painter.setFont(rowFont(fontPixels));
    painter.setBrush(Highlight);
    painter.setPen(Yellow);
}

QImage drawRow(const QString& name, int count, Mode mode, int fontPixels = 13)
{
    QImage image = Blank();
    QPainter painter(&image);
    prepareSelectedRow(painter, fontPixels);
    drawPaletteRow(painter, rowRect, name, count, mode);
    return image;
}

// What a drawn row must look like: the name on its opaque background from the
// left edge, the count on its own background against the right edge, and
// nothing else.
QImage expectedRow(const QString& name, const QString& count, int fontPixels = 13)
{
    QImage image = Blank();
    QPainter painter(&image);
    prepareSelectedRow(painter, fontPixels);
    const QFontMetrics metrics(painter.font());
    const int countWidth = metrics.horizontalAdvance(count);
    const int countLeft = rowRect.width() - countWidth;
    painter.fillRect(QRect(0, 0, countLeft, metrics.height()), Highlight);
    painter.drawText(0, metrics.ascent(), name);
    painter.fillRect(QRect(countLeft, 0, countWidth, metrics.height()), Highlight);
    painter.drawText(countLeft, metrics.ascent(), count);
    return image;
}

TEST(PaletteRows, PlayShowsRowsWithPiecesInHandAndBlanksTheOthers)
{
    EXPECT_EQ(drawRow("Spegel", 2, Mode::Play), expectedRow("Spegel", "2"));
    EXPECT_EQ(drawRow("Y-koppling", 12, Mode::Play), expectedRow("Y-koppling", "12"));
    EXPECT_EQ(drawRow("Spegel", 0, Mode::Play), Blank());
    EXPECT_EQ(drawRow("Spegel", -1, Mode::Play), Blank());
}

TEST(PaletteRows, EditingShowsEveryRowWhateverItsCount)
{
    EXPECT_EQ(drawRow("Röd Laserkanon", 0, Mode::Edit), expectedRow("Röd Laserkanon", "0"));
    EXPECT_EQ(drawRow("Hinder", -1, Mode::Edit), expectedRow("Hinder", "-1"));
    EXPECT_EQ(drawRow("Bomb", 1000, Mode::Edit), expectedRow("Bomb", "1000"));
    EXPECT_EQ(drawRow("Dubbelspegel", 7, Mode::Edit, 6), expectedRow("Dubbelspegel", "7", 6));
}

const std::vector<int> PlayPalette{2, 0, 0, 1, 0, 0, 0};

TEST(PaletteList, ShowPaletteSyncsItemsAndKeepsTheSelectionWithoutSignals)
{
    PaletteList list;
    EXPECT_EQ(list.size(), QSize(153, 278));
    QSignalSpy rowChanges(&list, &QListWidget::currentRowChanged);
    list.showPalette(PlayPalette, Mode::Play);
    list.selectRow(3);
    ASSERT_EQ(list.count(), PlayRowCount);
    EXPECT_EQ(list.item(0)->text(), QString("Spegel"));
    EXPECT_EQ(list.item(3)->data(PaletteCountRole).toInt(), 1);

    list.showPalette({2, 0, 0, 0, 0}, Mode::Play);
    EXPECT_EQ(list.count(), 5);
    EXPECT_EQ(list.item(3)->data(PaletteCountRole).toInt(), 0);
    EXPECT_EQ(list.selectedRow(), 3);
    list.showPalette({2, 0, 0}, Mode::Play);
    EXPECT_EQ(list.selectedRow(), -1) << "a removed row is no longer selected";
    EXPECT_EQ(rowChanges.count(), 0);
}

TEST(PaletteList, BlankRowsKeepTheirPlaceAndCanBeSelected)
{
    PaletteList list;
    list.show();
    list.showPalette(PlayPalette, Mode::Play);
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
