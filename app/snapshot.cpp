// Sharing a result: the board as a picture and the position as a level file, both put on the clipboard.
#include "app/tform1.h"

#include "app/clipboard_files.h"
#include "app/file_names.h"

namespace prismora {

void TForm1::BitBtn6Click()
{
}

void TForm1::CoolBtn1Click()
{
    // The level name is cleaned as for the picture, so that a name holding
    // a path separator cannot place the file outside the program's folder.
    const QString path =
        m_programDir + CleanFileName(QString::fromStdString(m_game.levelName) +
                                     QStringLiteral("-facit.prl"));
    if (saveLevelOrReport(path, false)) {
        PutFilesOnClipboard({path});
    }
}

} // namespace prismora
