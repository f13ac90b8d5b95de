// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Drawing figures with QPainter and writing them as SVG elements, so both show the same picture.
#include "vector_picture.h"

#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QString>

#include <utility>

namespace prismora::spritegen {

namespace {

QPainterPath pathOf(const Figure& figure)
{
    QPainterPath path;
    switch (figure.kind) {
    case Figure::Kind::Rectangle:
        path.addRoundedRect(QRectF(figure.points.at(0), figure.points.at(1)), figure.radius,
                            figure.radius);
        break;
    case Figure::Kind::Circle:
        path.addEllipse(figure.points.at(0), figure.radius, figure.radius);
        break;
    case Figure::Kind::Polygon:
        path.addPolygon(QPolygonF(QList<QPointF>(figure.points.begin(), figure.points.end())));
        path.closeSubpath();
        break;
    }
    return path;
}

QString number(double value)
{
    QString text = QString::number(value, 'f', 3);
    while (text.endsWith(QLatin1Char('0'))) {
        text.chop(1);
    }
    if (text.endsWith(QLatin1Char('.'))) {
        text.chop(1);
    }
    return text == QStringLiteral("-0") ? QStringLiteral("0") : text;
}

QString colour(QRgb value)
{
    return QStringLiteral("#%1").arg(value & 0xFFFFFF, 6, 16, QLatin1Char('0'));
}

QString paintAttributes(const Figure& figure)
{
    QString text = QStringLiteral(" fill=\"%1\"").arg(colour(figure.fill));
    if (qAlpha(figure.fill) != 255) {
        text += QStringLiteral(" fill-opacity=\"%1\"").arg(number(qAlpha(figure.fill) / 255.0));
    }
    if (figure.outlineWidth > 0) {
        text += QStringLiteral(" stroke=\"%1\" stroke-width=\"%2\"")
                    .arg(colour(figure.outline), number(figure.outlineWidth));
    }
    return text;
}

QString svgElement(const Figure& figure)
{
    switch (figure.kind) {
    case Figure::Kind::Rectangle: {
        const QRectF box(figure.points.at(0), figure.points.at(1));
        QString text =
            QStringLiteral("<rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\"")
                .arg(number(box.x()), number(box.y()), number(box.width()), number(box.height()));
        if (figure.radius > 0) {
            text += QStringLiteral(" rx=\"%1\"").arg(number(figure.radius));
        }
        return text + paintAttributes(figure) + QStringLiteral("/>");
    }
    case Figure::Kind::Circle:
        return QStringLiteral("<circle cx=\"%1\" cy=\"%2\" r=\"%3\"")
                   .arg(number(figure.points.at(0).x()), number(figure.points.at(0).y()),
                        number(figure.radius)) +
               paintAttributes(figure) + QStringLiteral("/>");
    case Figure::Kind::Polygon: {
        QStringList corners;
        for (const QPointF& point : figure.points) {
            corners << number(point.x()) + QLatin1Char(',') + number(point.y());
        }
        return QStringLiteral("<polygon points=\"%1\"").arg(corners.join(QLatin1Char(' '))) +
               paintAttributes(figure) + QStringLiteral("/>");
    }
    }
    return {};
}

} // namespace

Figure rectangleFigure(QPointF topLeft, QPointF bottomRight, double cornerRadius, QRgb fill)
{
    return {Figure::Kind::Rectangle, {topLeft, bottomRight}, cornerRadius, fill};
}

Figure circleFigure(QPointF centre, double radius, QRgb fill)
{
    return {Figure::Kind::Circle, {centre}, radius, fill};
}

Figure polygonFigure(std::vector<QPointF> corners, QRgb fill)
{
    return {Figure::Kind::Polygon, std::move(corners), 0, fill};
}

Figure outlined(Figure figure, double width, QRgb colour)
{
    figure.outline = colour;
    figure.outlineWidth = width;
    return figure;
}

QImage VectorPicture::render(int pixels) const
{
    QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(pixels / m_size, pixels / m_size);
    for (const Figure& figure : m_figures) {
        const QPainterPath path = pathOf(figure);
        painter.fillPath(path, QColor::fromRgba(figure.fill));
        if (figure.outlineWidth > 0) {
            // SVG's default joins: mitred, cut off where the mitre is four
            // widths long (Qt counts from the centre line, so half of that).
            QPen pen(QColor::fromRgba(figure.outline), figure.outlineWidth, Qt::SolidLine,
                     Qt::FlatCap, Qt::MiterJoin);
            pen.setMiterLimit(2);
            painter.strokePath(path, pen);
        }
    }
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

QByteArray VectorPicture::svg() const
{
    QString text = QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" "
                                  "height=\"%1\" viewBox=\"0 0 %1 %1\">\n")
                       .arg(number(m_size));
    for (const Figure& figure : m_figures) {
        text += QStringLiteral("  ") + svgElement(figure) + QLatin1Char('\n');
    }
    text += QStringLiteral("</svg>\n");
    return text.toUtf8();
}

} // namespace prismora::spritegen
