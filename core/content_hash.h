// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A 64-bit hash of a file's bytes, so that an edited file is told from the one it was.
#pragma once

#include <cstdint>
#include <string_view>

namespace prismora {

// FNV-1a over every byte. Any change to a level file gives another value
// with near certainty; it is no protection against someone who means to
// collide (the worst they win is a level shown as solved).
constexpr std::uint64_t contentHash(std::string_view bytes)
{
    std::uint64_t hash = 0xcbf29ce484222325u;
    for (const char byte : bytes) {
        hash ^= static_cast<unsigned char>(byte);
        hash *= 0x100000001b3u;
    }
    return hash;
}

} // namespace prismora
