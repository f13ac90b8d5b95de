// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// UTF-8 helpers that count characters (code points) rather than bytes.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace prismora {

// Number of code points in a UTF-8 text (stray continuation bytes count as one each).
std::size_t characterCount(std::string_view text);
// Up to `count` characters starting at character `first` (0-based).
std::string characterSlice(std::string_view text, std::size_t first, std::size_t count);
// The text without blanks (spaces) at either end.
std::string_view trimBlanks(std::string_view text);

} // namespace prismora
