// Starting another program as a process of its own, which the game neither waits for nor keeps.
#include "app/program_copy.h"

#include <QProcess>

namespace prismora {

bool startIndependentProcess(const QString& program, const QStringList& arguments)
{
    // Qt starts the program from an intermediate child that it reaps at
    // once, so the program is the child of no one here.
    return QProcess::startDetached(program, arguments);
}

} // namespace prismora
