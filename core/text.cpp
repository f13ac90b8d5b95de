// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// UTF-8 character counting and slicing.
#include "core/text.h"

namespace prismora {
namespace {

bool isContinuationByte(char byte) { return (static_cast<unsigned char>(byte) & 0xC0) == 0x80; }

// Byte offset of character `index`, or the text's size when it has fewer.
std::size_t byteOffsetOfCharacter(std::string_view text, std::size_t index)
{
    std::size_t offset = 0;
    for (std::size_t seen = 0; offset < text.size() && seen < index; ++seen) {
        ++offset;
        while (offset < text.size() && isContinuationByte(text[offset])) {
            ++offset;
        }
    }
    return offset;
}

} // namespace

std::size_t characterCount(std::string_view text)
{
    std::size_t count = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (i == 0 || !isContinuationByte(text[i])) {
            ++count;
        }
    }
    return count;
}

std::string characterSlice(std::string_view text, std::size_t first, std::size_t count)
{
    const std::size_t begin = byteOffsetOfCharacter(text, first);
    const std::size_t end = begin + byteOffsetOfCharacter(text.substr(begin), count);
    return std::string(text.substr(begin, end - begin));
}

std::string_view trimBlanks(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    const std::size_t last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

} // namespace prismora
