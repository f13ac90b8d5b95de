// Sharing a result: the board as a picture and the position as a level file, both put on the
// clipboard.
#include "app/main_window.h"

#include "app/clipboard_files.h"
#include "app/file_names.h"
#include "app/status_feedback.h"
#include "base/file_replacement.h"
#include "core/level_file.h"
#include "graphics/sixteen_colour_jpeg.h"
#include "view/board_render.h"
#include "view/sprite_set.h"

#include <QFileInfo>

namespace prismora {
namespace {

QString savedText(const QString& path)
{
    return QStringLiteral("Sparad: ") + QFileInfo(path).fileName();
}

// The JPEG written through a temporary file beside `path`, so a failure
// leaves an older picture whole; the error names the file and the reason.
Result<void, FileError> saveSnapshot(const PixelRows& rows, const std::string& path)
{
    const EncodedImage jpeg = encodeSixteenColourJpeg(rows);
    if (!jpeg) {
        return FileError{path, jpeg.error().message};
    }
    const ImageBytes& bytes = jpeg.value();
    return replaceFileContents(
        path, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

} // namespace

QString MainWindow::sharedFilePath(const QString& suffix) const
{
    // The name is cleaned for both files, so that a level name holding a
    // path separator cannot place a file outside the player's folder.
    return playerFile(cleanFileName(QString::fromStdString(m_level.name) + suffix));
}

void MainWindow::takeScreenshot()
{
    // The board picture, each pixel mapped to the nearest of the 16 standard
    // colours as it is encoded.
    const QImage picture = renderBoard(m_level, m_evaluation, standardSprites());
    const PixelRows rows{reinterpret_cast<const Color32*>(picture.constBits()), picture.width(),
                         picture.height(), picture.bytesPerLine()};
    const QString path = sharedFilePath(QStringLiteral("-facit.jpg"));
    if (const auto saved = saveSnapshot(rows, path.toStdString()); !saved) {
        ask(errorBox(QString::fromStdString(saveFailureMessage(saved.error()))));
        return;
    }
    putFilesOnClipboard({path});
    m_feedback->showMessage(savedText(path));
}

void MainWindow::savePosition()
{
    const QString path = sharedFilePath(QStringLiteral("-facit.prl"));
    if (saveLevelOrReport(path, SaveLayout::Position)) {
        putFilesOnClipboard({path});
        m_feedback->showMessage(savedText(path));
    }
}

} // namespace prismora
