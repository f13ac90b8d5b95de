// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Words for what stands on the board and where, as hints and level measures say them.
#pragma once

#include "core/level_measures.h"
#include "core/local_text.h"

#include <string>

namespace prismora {

// "kolumn 3, rad 4", to be said in any language.
LocalText cellWords(std::int32_t column, std::int32_t row);

// "Röd lampa i kolumn 3, rad 4", to be said in any language.
LocalText elementWords(const MeasureElement& element);

// The cell's words in Swedish.
std::string cellText(std::int32_t column, std::int32_t row);

} // namespace prismora
