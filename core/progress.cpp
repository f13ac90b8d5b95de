// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Progress keys: the escaped file name and the content hash.
#include "core/progress.h"

namespace prismora {
namespace {

constexpr std::string_view HashDigits = "0123456789abcdef";
constexpr std::string_view EscapeDigits = "0123456789ABCDEF";

bool isPlainKeyCharacter(unsigned char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' ||
           c == '_' || c == '-';
}

} // namespace

std::string progressKey(std::string_view fileName, std::uint64_t contentHash)
{
    std::string key;
    for (const char character : fileName) {
        const auto c = static_cast<unsigned char>(character);
        if (isPlainKeyCharacter(c)) {
            key += character;
        } else {
            key += '%';
            key += EscapeDigits[c >> 4];
            key += EscapeDigits[c & 0xF];
        }
    }
    key += '-';
    for (int shift = 60; shift >= 0; shift -= 4) {
        key += HashDigits[(contentHash >> shift) & 0xF];
    }
    return key;
}

} // namespace prismora
