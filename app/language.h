// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The language the game speaks: the player's choice or the system's, and the translators that speak
// it.
#pragma once

#include <QString>

#include <functional>

namespace prismora {

// The languages the game has texts for; Swedish is the source language.
enum class Language { Swedish, English };

// The player's setting "Språk": a language, or the system's.
enum class LanguageChoice { System, Swedish, English };

// Reads one environment variable; empty when it is not set.
using EnvironmentReader = std::function<QString(const char* name)>;

// The system's language as gettext finds it: the locale is the first of
// LC_ALL, LC_MESSAGES and LANG that is set; under no locale, C or POSIX the
// game speaks Swedish and LANGUAGE is not looked at. Otherwise the entries of
// LANGUAGE (a colon-separated list) and then the locale are tried in order,
// and the first language the game has texts for wins; Swedish when none has.
Language systemLanguage(const EnvironmentReader& environment);

// The language of `choice`, the system's read from the process environment.
Language languageOf(LanguageChoice choice);

// Installs the game's and Qt's own translation for `language` in place of
// those installed before (Swedish needs none of the game's: its texts are
// Swedish). Qt then sends every widget a LanguageChange event. Needs the
// application object.
void applyLanguage(Language language);

// The language applyLanguage installed last (Swedish before any).
Language appliedLanguage();

// The settings' spelling of a choice, and back (anything else: System).
QString choiceKey(LanguageChoice choice);
LanguageChoice choiceFromKey(const QString& key);

} // namespace prismora
