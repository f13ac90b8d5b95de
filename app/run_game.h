// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The game with its window: the application, the main window and the event loop.
#pragma once

#include <QStringList>

namespace prismora {

// Runs the game until its window closes; returns the process exit code.
int runGame(int argc, char** argv);

// The arguments the window starts with, from those given after the program
// name and those Qt left of them. Qt takes out the options it knows
// ("-style", "-reverse", ...) wherever they stand, so after a leading "--"
// the arguments are kept as given: `prismora -- -reverse` opens a level
// file named "-reverse".
QStringList gameArguments(const QStringList& given, const QStringList& leftByQt);

} // namespace prismora
