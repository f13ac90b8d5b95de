// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Tooltips saying what the piece under the pointer, or a palette row's piece, does.
#pragma once

#include "core/level.h"

#include <QString>

namespace prismora {

// The piece on top in (column, row) (the live piece of the highest index),
// else a cannon there: its name and what it does as it is turned. Empty
// when the cell holds neither.
QString boardToolTip(const Level& level, std::int64_t column, std::int64_t row);

// The name of palette row `row` and what its piece or cannon does.
QString paletteRowToolTip(int row);

} // namespace prismora
