// The application icon drawn from the lit lamp sprite, and its files in the hicolor layout.
#include "icon.h"

#include "canvas.h"
#include "file_writers.h"
#include "lamp_geometry.h"
#include "png_file.h"
#include "shapes.h"
#include "standard_colours.h"

#include <QDir>
#include <QFileInfo>

#include <cstdio>

namespace prismora::spritegen {

namespace {

using namespace lampshape;

// The lamp sits right of the centre, drawn smaller than on the board so its
// rays stay on the tile and the beam shows before it.
constexpr double LampScale = 0.75;
constexpr QPointF lampCentre(27.5, 24);
constexpr double TileMargin = 1;
constexpr double TileCorner = 9;
constexpr double BeamWidth = 8;
constexpr double OutlineWidth = 0.8;
constexpr double TileEdgeWidth = 1;

QPointF lampPoint(double degrees, double radius)
{
    return polar(lampCentre, degrees, radius * LampScale);
}

std::vector<QPointF> rayCorners(double degrees)
{
    const QPointF base = lampPoint(degrees, RayInner);
    const QPointF side = polar(QPointF(0, 0), degrees + 90.0, RayBase * LampScale / 2);
    return {base + side, lampPoint(degrees, RayOuter), base - side};
}

std::vector<QPointF> crossHairCorners(double degrees)
{
    const QPointF side = polar(QPointF(0, 0), degrees + 90.0, CrossHairWidth * LampScale / 2);
    const QPointF inner = lampPoint(degrees, CrossHairInner);
    const QPointF outer = lampPoint(degrees, CrossHairOuter);
    return {inner + side, outer + side, outer - side, inner - side};
}

void addLitLamp(VectorPicture& picture, IconDetail detail)
{
    const double line = detail == IconDetail::Full ? OutlineWidth : 0;
    for (int i = 0; detail == IconDetail::Full && i < 8; ++i) {
        picture.add(outlined(polygonFigure(rayCorners(FirstRayDegrees + 45.0 * i), Red), line));
    }
    picture.add(outlined(circleFigure(lampCentre, RingOuter * LampScale, Silver), line));
    picture.add(outlined(circleFigure(lampCentre, Glass * LampScale, DarkRed), line));
    picture.add(circleFigure(lampCentre, Glow * LampScale, Red));
    if (detail == IconDetail::Full) {
        for (int i = 0; i < 4; ++i) {
            picture.add(polygonFigure(crossHairCorners(90.0 * i), Black));
        }
    }
}

bool writeBytes(const QByteArray& bytes, const QString& path)
{
    if (QDir().mkpath(QFileInfo(path).path()) && writeFile(bytes, path)) {
        return true;
    }
    std::fprintf(stderr, "spritegen: cannot write %s\n", qPrintable(path));
    return false;
}

} // namespace

VectorPicture applicationIcon(IconDetail detail)
{
    VectorPicture picture(SpriteSize);
    const double far = SpriteSize - TileMargin;
    picture.add(
        outlined(rectangleFigure({TileMargin, TileMargin}, {far, far}, TileCorner, DarkBlue),
                 detail == IconDetail::Full ? TileEdgeWidth : 0, Blue));
    // The beam comes in along the axis from the west, as a cannon's beam reaches a lamp.
    picture.add(rectangleFigure({TileMargin, lampCentre.y() - BeamWidth / 2},
                                {lampCentre.x(), lampCentre.y() + BeamWidth / 2}, 0, Red));
    addLitLamp(picture, detail);
    return picture;
}

bool writeIcons(const QString& folder)
{
    const QDir hicolor(QDir(folder).filePath(QStringLiteral("hicolor")));
    const QString file = QString::fromLatin1(IconName);
    for (const int size : IconSizes) {
        const IconDetail detail = size < 32 ? IconDetail::Small : IconDetail::Full;
        const QString path =
            hicolor.filePath(QStringLiteral("%1x%1/apps/%2.png").arg(size).arg(file));
        if (!writeBytes(encodePng(applicationIcon(detail).render(size)), path)) {
            return false;
        }
    }
    const QString svg = hicolor.filePath(QStringLiteral("scalable/apps/%1.svg").arg(file));
    return writeBytes(applicationIcon(IconDetail::Full).svg(), svg);
}

} // namespace prismora::spritegen
