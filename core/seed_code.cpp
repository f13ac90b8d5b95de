// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Seed codes in Crockford base32, tier names, and the seed of each day's puzzle.
#include "core/seed_code.h"

#include "core/ascii_case.h"
#include "core/random.h"

#include <array>

namespace prismora {
namespace {

constexpr unsigned SeedCodeMarker = 25; // "S"
// Room for what a newer version might add, and no more.
constexpr std::size_t LongestSeedCode = 32;
constexpr int TierBits = 3;
constexpr int SeedBits = 32;

struct TierNames {
    std::string_view swedish;
    std::string_view english;
};
constexpr std::array<TierNames, TierCount> Names{{
    {"Lätt", "easy"},
    {"Medel", "medium"},
    {"Svår", "hard"},
    {"Mästare", "master"},
}};

} // namespace

std::string_view tierName(Tier tier) { return Names[static_cast<std::size_t>(tier)].swedish; }

std::optional<Tier> tierByName(std::string_view name)
{
    for (std::size_t i = 0; i < Names.size(); ++i) {
        if (equalIgnoringAsciiCase(name, Names[i].swedish) ||
            equalIgnoringAsciiCase(name, Names[i].english)) {
            return static_cast<Tier>(i);
        }
    }
    return std::nullopt;
}

std::string formatSeedCode(const SeedCode& code)
{
    SymbolWriter writer;
    writer.write(SeedCodeMarker, 5);
    writer.write(static_cast<unsigned>(code.version), 5);
    writer.write(static_cast<unsigned>(code.tier), TierBits);
    writer.write(code.seed, SeedBits);
    std::string text = writer.finish();
    text.insert(6, 1, '-');
    text.insert(2, 1, '-');
    return text;
}

Result<SeedCode, CodeError> parseSeedCode(std::string_view text)
{
    // A newer version may lay out a longer code: its version is read first.
    auto opened = SymbolReader::open(text, LongestSeedCode);
    if (!opened.ok()) {
        return opened.error();
    }
    SymbolReader& reader = opened.value();
    if (reader.read(5) != SeedCodeMarker) {
        return CodeError::NotACode;
    }
    const std::optional<std::uint64_t> version = reader.read(5);
    if (version > static_cast<unsigned>(GeneratorVersion)) {
        return CodeError::NewerVersion;
    }
    const std::optional<std::uint64_t> tier = reader.read(TierBits);
    const std::optional<std::uint64_t> seed = reader.read(SeedBits);
    if (!seed) {
        return CodeError::Truncated;
    }
    if (!reader.isAtEnd()) {
        return CodeError::TrailingData;
    }
    if (*version == 0 || *tier >= static_cast<unsigned>(TierCount)) {
        return CodeError::BadValue;
    }
    return SeedCode{static_cast<Tier>(*tier), static_cast<int>(*version),
                    static_cast<std::uint32_t>(*seed)};
}

std::uint32_t dailySeed(int year, int month, int day)
{
    // The date as one number, mixed with the game's own constant so that a
    // day's seed is no seed a player would type.
    const std::int64_t date = std::int64_t{year} * 10000 + month * 100 + day;
    std::uint64_t state = 0x507269736d6f7261u ^ static_cast<std::uint64_t>(date);
    return static_cast<std::uint32_t>(splitMix64(state) >> SeedBits);
}

SeedCode dailyPuzzle(int year, int month, int day)
{
    return SeedCode{Tier::Hard, GeneratorVersion, dailySeed(year, month, day)};
}

} // namespace prismora
