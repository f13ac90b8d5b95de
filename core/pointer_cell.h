// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Where the pointer is over the board, in cells: what the board view reports and the session takes.
#pragma once

#include <cstdint>

namespace prismora {

struct PointerCell {
    std::int64_t column = 0;
    std::int64_t row = 0;
    // In the square of its cell that picks up the record standing there.
    bool inPickSquare = false;

    bool operator==(const PointerCell&) const = default;
};

} // namespace prismora
