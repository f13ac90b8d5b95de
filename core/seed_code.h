// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Seed codes: a generated level named by its tier, the generator's version and its seed.
#pragma once

#include "base/result.h"
#include "core/base32.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace prismora {

enum class Tier { Easy, Medium, Hard, Master };
inline constexpr int TierCount = 4;

// "Lätt", "Medel", "Svår", "Mästare".
std::string_view tierName(Tier tier);
// The tier of a Swedish name, or of "easy", "medium", "hard" or "master";
// ASCII letters may be of either case.
std::optional<Tier> tierByName(std::string_view name);

// The level generator's version. A seed makes the same level only in the
// version that named it, so this goes up whenever the generator would make
// another level from some seed; codes of the versions before keep making
// their own levels. A code has room for versions 1..31.
inline constexpr int GeneratorVersion = 2;

struct SeedCode {
    Tier tier = Tier::Hard;
    int version = GeneratorVersion;
    std::uint32_t seed = 0;

    bool operator==(const SeedCode&) const = default;
};

// Ten symbols in three groups, e.g. "S1-7K3Q-9XD2": "S", the version, then
// the tier (3 bits) and the seed (32 bits) in seven symbols, and the check
// symbol.
std::string formatSeedCode(const SeedCode& code);

// A seed code as typed or pasted (see SymbolReader::open for what is
// ignored). NewerVersion for a version above GeneratorVersion; BadValue for
// version 0 or an unknown tier; NotACode for a text that is no seed code.
Result<SeedCode, CodeError> parseSeedCode(std::string_view text);

// The daily puzzle: the "Svår" level of a date's seed, the same for every
// player on that date. Any numbers are accepted; the caller checks the date.
std::uint32_t dailySeed(int year, int month, int day);
SeedCode dailyPuzzle(int year, int month, int day);

} // namespace prismora
