// Starting another program as a process of its own, which the game neither waits for nor keeps.
#pragma once

#include <QString>
#include <QStringList>

namespace prismora {

// Starts `program` with `arguments` detached from the game: it outlives the
// game, the game never waits for it, and no finished child is left behind as
// a zombie. False when it could not be started.
bool startIndependentProcess(const QString& program, const QStringList& arguments);

} // namespace prismora
