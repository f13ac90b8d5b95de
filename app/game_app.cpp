// The game with its window: the application, the main window and the event loop.
#include "app/application_setup.h"
#include "app/cli_commands.h"
#include "app/tform1.h"

#include <QApplication>

namespace prismora {

int RunGame(int argc, char** argv)
{
    QApplication application(argc, argv);
    SetUpApplication(application);
    FormOptions options;
    options.arguments = QApplication::arguments().mid(1);
    TForm1 form(std::move(options));
    form.show();
    return QApplication::exec();
}

} // namespace prismora
