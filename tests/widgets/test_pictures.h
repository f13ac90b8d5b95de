// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Pictures and colours shared by the widget tests.
#pragma once

#include <QImage>
#include <QPalette>

namespace prismora {

// A picture whose pixel (x, y) carries its own coordinates: red x, green y, blue 77.
inline QImage coordinateWallpaper(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x, y, 77));
    return image;
}

// Edge colours that differ from each other and from every background used here.
inline QPalette edgePalette()
{
    QPalette palette;
    palette.setColor(QPalette::Light, QColor(250, 250, 250));
    palette.setColor(QPalette::Midlight, QColor(200, 200, 200));
    palette.setColor(QPalette::Dark, QColor(90, 90, 90));
    palette.setColor(QPalette::Shadow, QColor(10, 10, 10));
    palette.setColor(QPalette::ButtonText, QColor(255, 255, 0));
    return palette;
}

} // namespace prismora
