// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Filling in a text's arguments, and its Swedish form.
#include "core/local_text.h"

namespace prismora {

std::string fillArguments(const std::string& pattern, const std::vector<std::string>& arguments)
{
    std::string filled;
    filled.reserve(pattern.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const bool isMark = pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' &&
                            pattern[i + 1] <= '9';
        const std::size_t argument = isMark ? static_cast<std::size_t>(pattern[i + 1] - '1') : 0;
        if (isMark && argument < arguments.size()) {
            filled += arguments[argument];
            ++i;
        } else {
            filled += pattern[i];
        }
    }
    return filled;
}

std::string swedishText(const LocalText& text)
{
    if (text.isVerbatim) {
        return text.source;
    }
    std::vector<std::string> arguments;
    arguments.reserve(text.arguments.size());
    for (const LocalText& argument : text.arguments) {
        arguments.push_back(swedishText(argument));
    }
    return fillArguments(text.source, arguments);
}

} // namespace prismora
