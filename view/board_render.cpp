// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Headless board pictures: the paint cycle into a QImage, and its export form.
#include "view/board_render.h"

#include "view/board_geometry.h"
#include "view/board_painter.h"

namespace prismora {

QImage renderBoard(const Level& level, const Evaluation& evaluation, const BitmapList& sprites)
{
    QImage image(geometry::BoardPixels, geometry::BoardPixels, QImage::Format_RGB32);
    paintBoard(image, 1, level, evaluation, sprites);
    return image;
}

ExportBitmap toExportBitmap(const QImage& image)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    ExportBitmap bitmap(rgb.width(), rgb.height(), PixelFormat::Rgb24);
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x) {
            bitmap.setColor(x, y, row[x] | 0xFF000000u);
        }
    }
    return bitmap;
}

} // namespace prismora
