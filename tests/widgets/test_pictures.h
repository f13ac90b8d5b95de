// Pictures shared by the widget tests.
#pragma once

#include <QImage>

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

} // namespace prismora
