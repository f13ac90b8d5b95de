// The game with its window: the application, the main window and the event loop.
#include "app/run_game.h"

#include "app/application_setup.h"
#include "app/main_window.h"

#include <QApplication>

namespace prismora {

int runGame(int argc, char** argv)
{
    QApplication application(argc, argv);
    SetUpApplication(application);
    MainWindow::Options options;
    options.arguments = QApplication::arguments().mid(1);
    MainWindow window(std::move(options));
    window.show();
    return QApplication::exec();
}

} // namespace prismora
