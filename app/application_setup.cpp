// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Application name, language and font substitutions.
#include "app/application_setup.h"

#include <QApplication>
#include <QFont>
#include <QIcon>

namespace prismora {

void setUpApplication(QApplication&, Language language)
{
    QApplication::setApplicationName(QStringLiteral("Prismora"));
    // Lets the desktop match the window to the menu entry and its icon; the
    // icon is found in the icon theme once the game is installed.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.prismora.Prismora"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("org.prismora.Prismora")));
    applyLanguage(language);
    QFont::insertSubstitutions(QStringLiteral("Comic Sans MS"),
                               {QStringLiteral("Comic Neue"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")});
    QFont::insertSubstitutions(
        QStringLiteral("Times New Roman"),
        {QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")});
}

} // namespace prismora
