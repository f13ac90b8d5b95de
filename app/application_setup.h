// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Process-wide settings of the game: name, language and font look-alikes.
#pragma once

#include "app/language.h"

class QApplication;

namespace prismora {

// Names the application "Prismora" (so its data folder is
// ~/.local/share/Prismora) with the desktop entry org.prismora.Prismora and
// its themed icon, installs the translations of `language` (the game's and
// Qt's own, so standard dialogs speak it too), and maps the fonts the design
// names to installed look-alikes. Call once, after creating the application.
void setUpApplication(QApplication& application, Language language);

} // namespace prismora
