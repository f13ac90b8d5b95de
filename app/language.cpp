// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Choosing the game's language from the player's setting or the environment, and loading it.
#include "app/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>

#include <optional>

namespace prismora {
namespace {

// The language part of a locale or LANGUAGE entry: "en_GB.UTF-8@euro" gives "en".
QString languageCode(const QString& name)
{
    qsizetype end = 0;
    while (end < name.size() && name[end] != QLatin1Char('_') && name[end] != QLatin1Char('.') &&
           name[end] != QLatin1Char('@')) {
        ++end;
    }
    return name.left(end).toLower();
}

std::optional<Language> spokenLanguage(const QString& name)
{
    const QString code = languageCode(name);
    if (code == QLatin1String("sv")) {
        return Language::Swedish;
    }
    if (code == QLatin1String("en")) {
        return Language::English;
    }
    return std::nullopt;
}

struct InstalledTranslators {
    QPointer<QTranslator> game;
    QPointer<QTranslator> qt;
    Language language = Language::Swedish;
};

InstalledTranslators& installed()
{
    static InstalledTranslators translators;
    return translators;
}

void removeTranslator(QPointer<QTranslator>& translator)
{
    if (translator) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
}

// A translator for `names` tried in order in `folder`, or null when none loads.
QTranslator* loadedTranslator(const QStringList& names, const QString& folder)
{
    auto translator = std::make_unique<QTranslator>(QCoreApplication::instance());
    for (const QString& name : names) {
        if (translator->load(name, folder)) {
            return translator.release();
        }
    }
    return nullptr;
}

QString systemVariable(const char* name) { return qEnvironmentVariable(name); }

} // namespace

Language systemLanguage(const EnvironmentReader& environment)
{
    QString locale;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        locale = environment(name);
        if (!locale.isEmpty()) {
            break;
        }
    }
    const QString localeCode = languageCode(locale);
    if (localeCode.isEmpty() || localeCode == QLatin1String("c") ||
        localeCode == QLatin1String("posix")) {
        return Language::Swedish;
    }
    QStringList candidates = environment("LANGUAGE").split(QLatin1Char(':'), Qt::SkipEmptyParts);
    candidates.append(locale);
    for (const QString& candidate : candidates) {
        if (const std::optional<Language> language = spokenLanguage(candidate)) {
            return *language;
        }
    }
    return Language::Swedish;
}

Language languageOf(LanguageChoice choice)
{
    switch (choice) {
    case LanguageChoice::Swedish:
        return Language::Swedish;
    case LanguageChoice::English:
        return Language::English;
    case LanguageChoice::System:
        break;
    }
    return systemLanguage(systemVariable);
}

void applyLanguage(Language language)
{
    InstalledTranslators& translators = installed();
    removeTranslator(translators.game);
    removeTranslator(translators.qt);
    translators.language = language;
    const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    // Newer Qt ships its standard texts as qtbase_xx, older packages as qt_xx.
    const QString code =
        language == Language::Swedish ? QStringLiteral("sv") : QStringLiteral("en");
    translators.qt = loadedTranslator(
        {QStringLiteral("qtbase_") + code, QStringLiteral("qt_") + code}, qtFolder);
    if (language == Language::English) {
        translators.game =
            loadedTranslator({QStringLiteral("prismora_en")}, QStringLiteral(":/i18n"));
    }
    for (QTranslator* translator : {translators.qt.data(), translators.game.data()}) {
        if (translator != nullptr) {
            QCoreApplication::installTranslator(translator);
        }
    }
}

Language appliedLanguage() { return installed().language; }

QString choiceKey(LanguageChoice choice)
{
    switch (choice) {
    case LanguageChoice::Swedish:
        return QStringLiteral("sv");
    case LanguageChoice::English:
        return QStringLiteral("en");
    case LanguageChoice::System:
        break;
    }
    return QStringLiteral("system");
}

LanguageChoice choiceFromKey(const QString& key)
{
    if (key == QLatin1String("sv")) {
        return LanguageChoice::Swedish;
    }
    if (key == QLatin1String("en")) {
        return LanguageChoice::English;
    }
    return LanguageChoice::System;
}

} // namespace prismora
