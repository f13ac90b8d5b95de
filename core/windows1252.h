// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Conversion between Windows-1252 bytes (level files on disk) and UTF-8 text.
#pragma once

#include <string>
#include <string_view>

namespace prismora {

// Every byte maps to one character, so nothing read is ever lost: the five
// bytes the code page leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) become
// the control characters U+0081, U+008D, U+008F, U+0090, U+009D, which
// utf8ToWindows1252 turns back into the same bytes.
std::string windows1252ToUtf8(std::string_view bytes);

// Characters the code page cannot hold, and bytes that are not valid UTF-8
// (one per offending byte), become '?'.
std::string utf8ToWindows1252(std::string_view text);

} // namespace prismora
