// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// ASCII case folding.
#include "core/ascii_case.h"

namespace prismora {
namespace {

char lowerAsciiChar(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

} // namespace

std::string lowerAscii(std::string_view text)
{
    std::string out(text);
    for (char& c : out) {
        c = lowerAsciiChar(c);
    }
    return out;
}

bool equalIgnoringAsciiCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (lowerAsciiChar(a[i]) != lowerAsciiChar(b[i])) {
            return false;
        }
    }
    return true;
}

} // namespace prismora
