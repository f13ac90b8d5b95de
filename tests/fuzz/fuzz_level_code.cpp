// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// libFuzzer target: any text through the level code decoder, any bits behind a fitting check
// symbol, and any level file through a code and back; any broken promise traps.
#include "core/base32.h"
#include "core/level_code.h"
#include "core/level_file.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

using namespace prismora;

// A decoded level is one a file gives, and its code and its saved position
// bring it back unchanged.
void checkDecoded(std::string_view code)
{
    const auto decoded = decodeLevelCode(code);
    if (!decoded.ok()) {
        return;
    }
    const Level& level = decoded.value();
    const auto again = decodeLevelCode(encodeLevelCode(level));
    if (!isLevelAsLoaded(level) || !again.ok() || again.value() != level ||
        levelAsSaved(level, SaveLayout::Position) != level) {
        __builtin_trap();
    }
}

// The bytes as the fields of a level code, so that the check symbol fits and
// the decoder reads on.
std::string codeOfBits(std::string_view bytes)
{
    SymbolWriter writer;
    writer.write(11, 5); // "B"
    writer.write(LevelCodeVersion, 5);
    for (const char byte : bytes) {
        writer.write(static_cast<unsigned char>(byte), 8);
    }
    return writer.finish();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    checkDecoded(bytes);
    checkDecoded(codeOfBits(bytes));
    const Level level = parseLevel(bytes).level;
    const auto decoded = decodeLevelCode(encodeLevelCode(level));
    if (!decoded.ok() || decoded.value() != level) {
        __builtin_trap();
    }
    return 0;
}
