// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The game with its window: the application, the main window and the event loop.
#include "app/run_game.h"

#include "app/application_setup.h"
#include "app/end_signals.h"
#include "app/main_window.h"
#include "app/progress_store.h"

#include <QApplication>

namespace prismora {

QStringList gameArguments(const QStringList& given, const QStringList& leftByQt)
{
    if (!given.isEmpty() && given.constFirst() == QStringLiteral("--")) {
        return given;
    }
    return leftByQt;
}

int runGame(int argc, char** argv)
{
    // QApplication removes its own options from argv, so keep them as given.
    QStringList given;
    for (int i = 1; i < argc; ++i) {
        given.append(QString::fromLocal8Bit(argv[i]));
    }
    QApplication application(argc, argv);
    setUpApplication(application, languageOf(ProgressStore(QString()).languageChoice()));
    MainWindow::Options options;
    options.arguments = gameArguments(given, QApplication::arguments().mid(1));
    if (!options.arguments.isEmpty() &&
        options.arguments.constFirst() == QStringLiteral("--editor")) {
        options.startInEditor = true;
        options.arguments.removeFirst();
    }
    MainWindow window(std::move(options));
    const EndSignals endSignals;
    QObject::connect(&endSignals, &EndSignals::endRequested, &window,
                     &MainWindow::endWithoutAsking);
    window.show();
    return QApplication::exec();
}

} // namespace prismora
