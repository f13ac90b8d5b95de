// Headless board pictures: the paint cycle into a QImage, and its export form.
#include "view/board_render.h"

#include "view/board_painter.h"

#include <QPainter>

namespace prismora {

RenderedBoard RenderBoardWithVerdict(Board& board, const BitmapList& sprites)
{
    RenderedBoard result;
    result.image = QImage(BoardPixels, BoardPixels, QImage::Format_RGB32);
    result.image.fill(Qt::black);
    QPainter painter(&result.image);
    result.verdict = PaintBox1Paint(painter, board, sprites);
    return result;
}

QImage RenderBoard(Board& board, const BitmapList& sprites)
{
    return RenderBoardWithVerdict(board, sprites).image;
}

ExportBitmap ToExportBitmap(const QImage& image)
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
