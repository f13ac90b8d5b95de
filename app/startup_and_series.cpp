// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Start-up of the main window, the level named on the command line, and the series arrows.
#include "app/main_window.h"

#include "view/board_view.h"

namespace prismora {
namespace {

// The level named on the command line: the first argument, or the one after
// "--" (so a name starting with "--" can be opened).
QString levelArgument(const QStringList& arguments)
{
    if (arguments.isEmpty()) {
        return {};
    }
    if (arguments.constFirst() == QStringLiteral("--")) {
        return arguments.size() > 1 ? arguments.at(1) : QString();
    }
    return arguments.constFirst();
}

} // namespace

void MainWindow::startUp(const Options& options)
{
    // Anything but a regular file is refused with a word; nothing at all is
    // passed over in silence.
    const QString level = levelArgument(options.arguments);
    std::optional<std::filesystem::path> levelFile;
    if (!level.isEmpty()) {
        levelFile = std::filesystem::path(level.toStdString());
    }
    showOutcome(m_session->start(levelFile));
    if (options.startInEditor) {
        showOutcome(m_session->newDesign(Consent::Given));
    }
    // The keys play from the start; the name field takes them once it is
    // clicked or tabbed to.
    m_boardView->setFocus(Qt::OtherFocusReason);
}

void MainWindow::loadLevelFile(const QString& path)
{
    perform([this, path](Consent consent) {
        return m_session->openFile(std::filesystem::path(path.toStdString()), consent);
    });
}

void MainWindow::goToNextLevel()
{
    perform([this](Consent consent) { return m_session->nextLevel(consent); });
}

void MainWindow::goToPreviousLevel()
{
    perform([this](Consent consent) { return m_session->previousLevel(consent); });
}

} // namespace prismora
