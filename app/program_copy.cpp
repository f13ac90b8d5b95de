// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Starting another program as a process of its own, which the game neither waits for nor keeps.
#include "app/program_copy.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>

#include <algorithm>

namespace prismora {
namespace {

// Handed through the environment rather than the command line, whose first
// argument is the level and whose options are the window-free commands.
constexpr const char* WindowPlaceVariable = "PRISMORA_WINDOW_PLACE";

} // namespace

bool startIndependentProcess(const QString& program, const QStringList& arguments,
                             const std::optional<QPoint>& windowPlace)
{
    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QString::fromLatin1(WindowPlaceVariable));
    if (windowPlace) {
        environment.insert(QString::fromLatin1(WindowPlaceVariable),
                           QStringLiteral("%1,%2").arg(windowPlace->x()).arg(windowPlace->y()));
    }
    process.setProcessEnvironment(environment);
    // Qt starts the program from an intermediate child that it reaps at
    // once, so the program is the child of no one here.
    return process.startDetached();
}

std::optional<QPoint> copyWindowPlace()
{
    const QByteArray value = qgetenv(WindowPlaceVariable);
    qunsetenv(WindowPlaceVariable);
    const QList<QByteArray> parts = value.split(',');
    if (parts.size() != 2) {
        return std::nullopt;
    }
    bool isX = false;
    bool isY = false;
    const QPoint place(parts[0].toInt(&isX), parts[1].toInt(&isY));
    return isX && isY ? std::optional<QPoint>(place) : std::nullopt;
}

QPoint offsetWindowPlace(const QRect& from, const QSize& size, const QRect& available, QPoint step)
{
    const QPoint wanted = from.topLeft() + step;
    const int x = std::clamp(wanted.x(), available.left(),
                             std::max(available.left(), available.right() + 1 - size.width()));
    const int y = std::clamp(wanted.y(), available.top(),
                             std::max(available.top(), available.bottom() + 1 - size.height()));
    return {x, y};
}

} // namespace prismora
