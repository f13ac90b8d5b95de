// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Level names turned into file names: the characters a file name may not hold.
#pragma once

#include <string>
#include <string_view>

namespace prismora {

// True for the characters " * / < > ? \ | that the level name field refuses
// when typed and that cleanFileName removes.
bool isForbiddenFileNameChar(char32_t character);

// The UTF-8 text without the forbidden characters; every other character
// stays in its order (the colon, control characters and non-ASCII letters
// included). The result holds no path separator, so it always names a file
// inside the folder it is joined to, or fails to (".." and "." stay as they
// are and are made harmless by the suffix every caller appends).
std::string cleanFileName(std::string_view text);

} // namespace prismora
