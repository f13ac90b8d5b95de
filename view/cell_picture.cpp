// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Cell pictures: opaque spans found once, whole-factor enlargement without smoothing.
#include "view/cell_picture.h"

namespace prismora {

CellPicture makeCellPicture(const QImage& pixels)
{
    CellPicture picture{pixels.convertToFormat(QImage::Format_ARGB32_Premultiplied), {}};
    picture.opaque = spansOf(picture.pixels, [](QRgb pixel) { return qAlpha(pixel) != 0; });
    return picture;
}

CellPicture enlargedCellPicture(const CellPicture& picture, int factor)
{
    const QImage& source = picture.pixels;
    QImage enlarged(source.size() * factor, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < enlarged.height(); ++y) {
        const auto* from = reinterpret_cast<const QRgb*>(source.constScanLine(y / factor));
        auto* to = reinterpret_cast<QRgb*>(enlarged.scanLine(y));
        for (int x = 0; x < enlarged.width(); ++x) {
            to[x] = from[x / factor];
        }
    }
    return makeCellPicture(enlarged);
}

} // namespace prismora
