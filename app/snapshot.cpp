// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Sharing a result: the board as a picture and the position as a level file, both put on the
// clipboard.
#include "app/main_window.h"

#include "base/file_replacement.h"
#include "core/level_file.h"
#include "graphics/sixteen_colour_jpeg.h"
#include "view/board_render.h"
#include "view/sprite_set.h"
#include "view/translated_text.h"

namespace prismora {
namespace {

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

void MainWindow::takeScreenshot()
{
    const auto path = m_session->snapshotPath();
    if (!path.ok()) {
        ask(errorBox(translated(saveFailureText(path.error()))));
        return;
    }
    // The board picture, each pixel mapped to the nearest of the 16 standard
    // colours as it is encoded.
    const QImage picture = renderBoard(level(), evaluation(), standardSprites());
    const PixelRows rows{reinterpret_cast<const Color32*>(picture.constBits()), picture.width(),
                         picture.height(), picture.bytesPerLine()};
    if (const auto saved = saveSnapshot(rows, path.value().string()); !saved) {
        ask(errorBox(translated(saveFailureText(saved.error()))));
        return;
    }
    shareFile(QString::fromStdString(path.value().string()), picture);
}

void MainWindow::savePosition() { showOutcome(m_session->savePosition()); }

} // namespace prismora
