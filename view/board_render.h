// Painting the board into a picture for the command line and the solution snapshot.
#pragma once

#include "core/board.h"
#include "core/outcome.h"
#include "graphics/bitmap_list.h"
#include "graphics/export_bitmap.h"

#include <QImage>

#include <optional>

namespace prismora {

struct RenderedBoard {
    QImage image;                         // 451 x 451, Format_RGB32
    std::optional<VerdictResult> verdict; // nothing when the paint drew nothing
};

// Paints the board exactly as the game shows it (PaintBox1Paint) into a new
// 451 x 451 Format_RGB32 picture; the board's per-repaint fields and Finished
// are updated as by any paint. With PaintEnabled clear the picture is left
// black. A Bomb verdict is only reported, never acted on.
RenderedBoard RenderBoardWithVerdict(Board& board, const BitmapList& sprites);
QImage RenderBoard(Board& board, const BitmapList& sprites);

// The picture as a 24-bit export bitmap for saveBitmapToFile.
ExportBitmap ToExportBitmap(const QImage& image);

} // namespace prismora
