// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// libFuzzer target: any bytes through the level reader, then a save/reload consistency check.
#include "core/level_file.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

using namespace prismora;

// A level whose saved form fits the sections the reader looks at.
bool fitsTheReadableSections(const Level& level)
{
    return handPiecesBeyondFile(level, SaveLayout::Position) == 0 && level.sources.size() <= 50;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const Level level =
        parseLevel(std::string_view(reinterpret_cast<const char*>(data), size)).level;
    if (level.pieces.size() > static_cast<std::size_t>(Level::MaxPieces) ||
        level.sources.size() > static_cast<std::size_t>(Level::MaxSources)) {
        __builtin_trap();
    }
    const std::string saved = formatLevel(level, SaveLayout::Position, Completion::Unfinished);
    if (fitsTheReadableSections(level)) {
        const Level reloaded = parseLevel(saved).level;
        if (formatLevel(reloaded, SaveLayout::Position, Completion::Unfinished) != saved) {
            __builtin_trap();
        }
    }
    return 0;
}
