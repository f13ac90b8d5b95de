// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Removing the characters that cannot stand in a file name.
#include "core/file_names.h"

#include <algorithm>

namespace prismora {
namespace {

constexpr std::u32string_view ForbiddenCharacters = U"\"*/<>?\\|";

} // namespace

bool isForbiddenFileNameChar(char32_t character)
{
    return ForbiddenCharacters.find(character) != std::u32string_view::npos;
}

std::string cleanFileName(std::string_view text)
{
    // Every forbidden character is ASCII, and no byte of a multi-byte UTF-8
    // sequence is, so the bytes can be filtered one by one.
    std::string cleaned;
    cleaned.reserve(text.size());
    std::copy_if(text.begin(), text.end(), std::back_inserter(cleaned), [](char byte) {
        return !isForbiddenFileNameChar(static_cast<unsigned char>(byte));
    });
    return cleaned;
}

} // namespace prismora
