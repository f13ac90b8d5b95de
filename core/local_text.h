// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A text for the player kept as its Swedish source and its arguments, to be shown in any language.
#pragma once

#include <string>
#include <vector>

// lupdate finds the texts of core/ by this mark; without Qt it leaves the text as it is, as Qt's
// own definition does.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

namespace prismora {

// The translation context of every text made in core/.
inline constexpr const char* CoreTextContext = "prismora::CoreText";

// A sentence the window shows in the player's language and the command line
// prints in Swedish. `source` is a Swedish text marked with
// QT_TRANSLATE_NOOP("prismora::CoreText", ...) in which %1..%9 stand for the
// arguments; a verbatim text (a path, a number, the system's words) is shown
// as it is, in every language.
struct LocalText {
    std::string source;
    std::vector<LocalText> arguments;
    bool isVerbatim = false;

    static LocalText verbatim(std::string text) { return {std::move(text), {}, true}; }
    bool empty() const { return source.empty(); }
    bool operator==(const LocalText&) const = default;
};

// Puts `arguments` into `pattern` in one pass: %1..%9 name an argument, a
// mark without one (or %0) is kept as it is, and text inside an argument is
// never read as a mark.
std::string fillArguments(const std::string& pattern, const std::vector<std::string>& arguments);

// The Swedish text: the source with its arguments, each in Swedish, put in.
std::string swedishText(const LocalText& text);

} // namespace prismora
