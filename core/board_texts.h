// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Swedish words for what stands on the board and where, as hints and level measures say them.
#pragma once

#include "core/level_measures.h"

#include <string>

namespace prismora {

// "kolumn 3, rad 4".
std::string cellText(std::int32_t column, std::int32_t row);

// "Röd lampa i kolumn 3, rad 4".
std::string elementText(const MeasureElement& element);

} // namespace prismora
