// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The hint as the status line says it, in Swedish: the window-free commands print it as it is.
#pragma once

#include "core/hint.h"

#include <string>
#include <string_view>

namespace prismora {

// How a piece turned to `direction` faces, in words a player reads on the
// screen ("uppåt", "snett ner åt höger", ...).
std::string_view directionWords(std::uint8_t direction);

// "Tips: Spegel i kolumn 3, rad 5, vriden uppåt", "Tips: flytta Spegel till
// kolumn 3, rad 5, vriden uppåt" (a piece just taken), "Ta tillbaka Spegel i
// kolumn 1, rad 1", "Nivån är redan klar", "Hittade ingen lösning"; nothing
// for a cancelled search. `level` is the position the hint was found for.
std::string hintText(const Hint& hint, const Level& level);

} // namespace prismora
