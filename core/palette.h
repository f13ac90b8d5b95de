// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The palette's rows: which piece kind or cannon colour each row stands for, and its name.
#pragma once

#include "core/piece_kind.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace prismora {

// A play palette holds rows 0..6 (the placeable kinds), an edit palette all
// seventeen rows. Row r always stands for the same thing, named by
// PaletteRowNames[r].
inline constexpr int PlayRowCount = 7;
inline constexpr int EditRowCount = 17;
extern const std::array<std::string_view, EditRowCount> PaletteRowNames;

// Rows 10..12 add red, green and blue cannons in the editor.
inline constexpr int FirstCannonRow = 10;
inline constexpr int LastCannonRow = 12;

// The piece kind of a row: rows 0..6 the placeable kinds (Mirror,
// DoubleMirror, Cross, TCoupling, TCoupling2, Inverter, YCoupling), 7..9 and
// 13..16 the fixed kinds; cannon rows and rows outside 0..16 have none.
std::optional<PieceKind> kindOfRow(int row);
// The row of a piece kind; kinds 8, 9 and values above 15 have none.
std::optional<int> rowOfKind(PieceKind kind);
// The cannon colour of rows 10..12, and the row of a cannon colour.
std::optional<std::int32_t> cannonColourOfRow(int row);
std::optional<int> rowOfCannonColour(std::int32_t colour);

} // namespace prismora
