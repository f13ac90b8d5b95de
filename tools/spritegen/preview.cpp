// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Review pictures of the sprites: board cells with a beam, in every direction.
#include "preview.h"

#include "canvas.h"
#include "standard_colours.h"

#include <QDir>
#include <QPainter>

#include <cmath>
#include <numbers>

namespace prismora::spritegen {

namespace {

constexpr int CellSize = 50;

QImage quarterTurns(const QImage& sprite, int quarters)
{
    QImage result = sprite;
    for (int q = 0; q < quarters; ++q) {
        QImage turned(result.height(), result.width(), QImage::Format_ARGB32);
        for (int y = 0; y < result.height(); ++y) {
            for (int x = 0; x < result.width(); ++x) {
                // Counter-clockwise on screen: (x, y) goes to (y, W - 1 - x).
                turned.setPixel(y, result.width() - 1 - x, result.pixel(x, y));
            }
        }
        result = turned;
    }
    return result;
}

QRgb bilinear(const QImage& image, double x, double y)
{
    const int x0 = static_cast<int>(std::floor(x));
    const int y0 = static_cast<int>(std::floor(y));
    const double fx = x - x0;
    const double fy = y - y0;
    double sum[3] = {0, 0, 0};
    for (int j = 0; j < 2; ++j) {
        for (int i = 0; i < 2; ++i) {
            const double weight = (i ? fx : 1 - fx) * (j ? fy : 1 - fy);
            const bool inside = image.rect().contains(x0 + i, y0 + j);
            const QRgb p = inside ? image.pixel(x0 + i, y0 + j) : White;
            sum[0] += weight * qRed(p);
            sum[1] += weight * qGreen(p);
            sum[2] += weight * qBlue(p);
        }
    }
    return qRgb(int(std::lround(sum[0])), int(std::lround(sum[1])), int(std::lround(sum[2])));
}

QImage diagonalTurn(const QImage& sprite, double degrees)
{
    const QImage source = sprite.copy(0, 0, SpriteSize - 1, SpriteSize - 1);
    QImage result(source.size(), QImage::Format_ARGB32);
    result.fill(White);
    const double a = degrees * std::numbers::pi / 180.0;
    const double c = (source.width() / 2);
    for (int y = 0; y < result.height(); ++y) {
        for (int x = 0; x < result.width(); ++x) {
            const double dx = x - c;
            const double dy = y - c;
            const double sx = c + dx * std::cos(a) - dy * std::sin(a);
            const double sy = c + dx * std::sin(a) + dy * std::cos(a);
            if (sx > -1 && sy > -1 && sx < source.width() && sy < source.height()) {
                result.setPixel(x, y, bilinear(source, sx, sy));
            }
        }
    }
    return result;
}

// One board cell: silver with grey grid lines, a red beam through the centre,
// and the sprite on top with white left out.
QImage boardCell(const QImage& sprite)
{
    QImage cell(CellSize, CellSize, QImage::Format_ARGB32);
    cell.fill(Silver);
    QPainter painter(&cell);
    painter.fillRect(0, 0, CellSize, 1, Grey);
    painter.fillRect(0, 0, 1, CellSize, Grey);
    painter.fillRect(0, 21, CellSize, 10, QColor(Red));
    painter.end();
    for (int y = 0; y < sprite.height(); ++y) {
        for (int x = 0; x < sprite.width(); ++x) {
            const QRgb colour = nearestStandardColour(sprite.pixel(x, y));
            if (colour != White) {
                cell.setPixel(x + 2, y + 2, colour);
            }
        }
    }
    return cell;
}

QImage sheet(const std::vector<QImage>& cells, int perRow, int scale)
{
    const int rows = (static_cast<int>(cells.size()) + perRow - 1) / perRow;
    QImage result(perRow * CellSize, rows * CellSize, QImage::Format_ARGB32);
    result.fill(Grey);
    QPainter painter(&result);
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const int index = static_cast<int>(i);
        painter.drawImage((index % perRow) * CellSize, (index / perRow) * CellSize, cells[i]);
    }
    painter.end();
    return result.scaled(result.size() * scale, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

} // namespace

QImage turnedSprite(const QImage& sprite, int direction)
{
    if (direction % 2 == 0) {
        return quarterTurns(sprite, direction / 2);
    }
    return diagonalTurn(sprite, 45.0 * direction);
}

bool writePreview(const std::vector<QImage>& sprites, const QImage& wallpaper,
                  const QString& folder)
{
    std::vector<QImage> straight;
    std::vector<QImage> turned;
    for (const QImage& sprite : sprites) {
        straight.push_back(boardCell(sprite));
        for (int direction = 0; direction < 8; ++direction) {
            turned.push_back(boardCell(turnedSprite(sprite, direction)));
        }
    }
    QImage tiles(wallpaper.size() * 2, QImage::Format_RGB32);
    QPainter painter(&tiles);
    for (int i = 0; i < 4; ++i) {
        painter.drawImage((i % 2) * wallpaper.width(), (i / 2) * wallpaper.height(), wallpaper);
    }
    painter.end();
    const QDir dir(folder);
    return sheet(straight, 7, 3).save(dir.filePath("sheet.png")) &&
           sheet(turned, 8, 2).save(dir.filePath("turns.png")) &&
           tiles.save(dir.filePath("wallpaper.png"));
}

} // namespace prismora::spritegen
