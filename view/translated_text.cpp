// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Translating a core text and its arguments.
#include "view/translated_text.h"

#include <QCoreApplication>

namespace prismora {

QString translated(const LocalText& text)
{
    if (text.isVerbatim) {
        return QString::fromStdString(text.source);
    }
    const QString pattern = QCoreApplication::translate(CoreTextContext, text.source.c_str());
    if (text.arguments.empty()) {
        return pattern;
    }
    std::vector<std::string> arguments;
    arguments.reserve(text.arguments.size());
    for (const LocalText& argument : text.arguments) {
        arguments.push_back(translated(argument).toStdString());
    }
    return QString::fromStdString(fillArguments(pattern.toStdString(), arguments));
}

} // namespace prismora
