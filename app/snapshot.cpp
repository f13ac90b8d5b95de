// Sharing a result: the board as a picture and the position as a level file, both put on the
// clipboard.
#include "app/tform1.h"

#include "app/clipboard_files.h"
#include "app/file_names.h"
#include "graphics/save_bitmap.h"
#include "graphics/standard_palette.h"
#include "view/board_render.h"
#include "view/sprite_set.h"

#include <vector>

namespace prismora {

namespace {

// The board picture with every pixel mapped to the nearest of the 16
// standard colours.
ExportBitmap boardInSixteenColours(Board& board)
{
    const QImage picture =
        RenderBoard(board, StandardSprites()).convertToFormat(QImage::Format_RGB32);
    std::vector<Color32> pixels;
    pixels.reserve(static_cast<std::size_t>(picture.width()) * picture.height());
    for (int y = 0; y < picture.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
        pixels.insert(pixels.end(), row, row + picture.width());
    }
    return reduceToStandard16(pixels.data(), picture.width(), picture.height());
}

} // namespace

QString TForm1::sharedFilePath(const QString& suffix) const
{
    // The name is cleaned for both files, so that a level name holding a
    // path separator cannot place a file outside the program's folder.
    return m_programDir + CleanFileName(QString::fromStdString(m_game.levelName) + suffix);
}

void TForm1::BitBtn6Click()
{
    const ExportBitmap picture = boardInSixteenColours(m_game.board);
    const QString path = sharedFilePath(QStringLiteral("-facit.jpg"));
    const Status saved = saveBitmapToFile(picture, path.toStdString());
    if (!saved) {
        ask(ErrorBox(QString::fromStdString(saved.error().message)));
        return;
    }
    PutFilesOnClipboard({path});
}

void TForm1::CoolBtn1Click()
{
    const QString path = sharedFilePath(QStringLiteral("-facit.prl"));
    if (saveLevelOrReport(path, false)) {
        PutFilesOnClipboard({path});
    }
}

} // namespace prismora
