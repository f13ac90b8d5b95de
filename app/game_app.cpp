// The game with its window: a minimal window until the main window exists.
#include "app/cli_commands.h"

#include <QApplication>
#include <QLabel>

namespace prismora {

int RunGame(int argc, char** argv)
{
    QApplication application(argc, argv);
    QApplication::setApplicationName("Prismora");
    QLabel window("Prismora version");
    window.resize(660, 555);
    window.show();
    return QApplication::exec();
}

} // namespace prismora
