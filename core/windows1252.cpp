// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Windows-1252 <-> UTF-8 tables and conversion loops.
#include "core/windows1252.h"

#include <array>
#include <cstdint>

namespace prismora {
namespace {

// Code points of the bytes 0x80..0x9F; undefined bytes keep their own value.
constexpr std::array<char32_t, 32> HighControlBlock{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

constexpr char ReplacementByte = '?';

char32_t codePointOfByte(unsigned char byte)
{
    if (byte >= 0x80 && byte <= 0x9F) {
        return HighControlBlock[byte - 0x80];
    }
    return byte;
}

void appendUtf8(std::string& out, char32_t cp)
{
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// The byte for a code point, or the replacement when the code page lacks it.
char byteOfCodePoint(char32_t cp)
{
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) {
        return static_cast<char>(cp);
    }
    for (std::size_t i = 0; i < HighControlBlock.size(); ++i) {
        if (HighControlBlock[i] == cp) {
            return static_cast<char>(0x80 + i);
        }
    }
    return ReplacementByte;
}

struct Decoded {
    char32_t codePoint;
    std::size_t length; // bytes consumed; 0 when the sequence is invalid
};

// Decodes one well-formed UTF-8 sequence (no overlongs, surrogates or values
// above U+10FFFF) at the start of text.
Decoded decodeUtf8(std::string_view text)
{
    const auto lead = static_cast<unsigned char>(text[0]);
    std::size_t length = 0;
    char32_t cp = 0;
    char32_t minimum = 0;
    if (lead < 0x80) {
        return {lead, 1};
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2, cp = lead & 0x1F, minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, cp = lead & 0x0F, minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, cp = lead & 0x07, minimum = 0x10000;
    } else {
        return {0, 0};
    }
    if (text.size() < length) {
        return {0, 0};
    }
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[i]);
        if ((next & 0xC0) != 0x80) {
            return {0, 0};
        }
        cp = (cp << 6) | (next & 0x3F);
    }
    if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        return {0, 0};
    }
    return {cp, length};
}

} // namespace

std::string windows1252ToUtf8(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size());
    for (const char byte : bytes) {
        appendUtf8(out, codePointOfByte(static_cast<unsigned char>(byte)));
    }
    return out;
}

std::string utf8ToWindows1252(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    std::size_t at = 0;
    while (at < text.size()) {
        const Decoded decoded = decodeUtf8(text.substr(at));
        if (decoded.length == 0) {
            out += ReplacementByte;
            ++at;
            continue;
        }
        out += byteOfCodePoint(decoded.codePoint);
        at += decoded.length;
    }
    return out;
}

} // namespace prismora
