// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The keys under which the levels a player has solved are remembered.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace prismora {

// The key of a series level: its file name, '-' and its content hash in 16
// lower-case hex digits, e.g. "Level01.prl-0123456789abcdef". An edited file
// gets a new key and counts as unsolved. Bytes other than ASCII letters,
// digits, '.', '_' and '-' are written as %XX (upper-case hex), so a key never
// holds a character a settings file reads as a group separator ('/' or '\').
std::string progressKey(std::string_view fileName, std::uint64_t contentHash);

} // namespace prismora
