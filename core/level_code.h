// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Level codes: any level as a short text that decodes to exactly the level its file loads as.
#pragma once

#include "base/result.h"
#include "core/base32.h"
#include "core/level.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace prismora {

inline constexpr int LevelCodeVersion = 1;

// The most symbols a level code can have (the check symbol included): a name
// of 2047 bytes none of which has a short form, 99 pieces and 50 cannons with
// every field escaped. Longer texts are refused before they are read.
extern const std::size_t LongestLevelCode;

// The code of the level that loading its file gives. A level in that form
// (isLevelAsLoaded) is coded as it is; any other first becomes the position
// its saved file would load as (levelAsSaved with SaveLayout::Position). For
// a design being edited, pass levelAsSaved(level, SaveLayout::Design).
//
// The code is one word of Crockford base32 symbols: "B", the version, the
// fields, the check symbol. The fields are bits: the name (a flag for
// "(No name)", else its Windows-1252 bytes, lower-case letters, space and
// "åäö" in five bits, upper-case in ten, any other byte in eighteen, then an
// end mark), the pieces in order (kind in four bits, a cell of columns and
// rows 0..9 in seven, direction 0 in one bit and 1..7 in four, each with an
// escape to any value; an end mark), the seven palette counts, and the
// cannons in order (a flag each, cell and direction as for pieces, red,
// green or blue in two bits or any colour in 34).
std::string encodeLevelCode(const Level& level);

// The level of a code as typed or pasted (see SymbolReader::open for what is
// ignored): exactly the level encodeLevelCode coded, which a position file
// saved from it loads as again. Every field is checked before it is used; a
// code no file could give is BadValue, a version above LevelCodeVersion
// NewerVersion, a text that is no level code NotACode.
Result<Level, CodeError> decodeLevelCode(std::string_view text);

} // namespace prismora
