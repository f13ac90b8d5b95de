// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Seed codes: their form, what a typist may get wrong, newer versions, tiers and the daily seed.
#include "core/seed_code.h"

#include "typing_slips.h"

#include <gtest/gtest.h>

#include <string>

namespace prismora {
namespace {

std::string withoutHyphens(std::string code)
{
    std::erase(code, '-');
    return code;
}

// A code written field by field, as a newer or a broken program might.
std::string seedCodeOf(unsigned version, unsigned tier, std::uint64_t seed, int seedBits = 32)
{
    SymbolWriter writer;
    writer.write(25, 5); // "S"
    writer.write(version, 5);
    writer.write(tier, 3);
    writer.write(seed, seedBits);
    return writer.finish();
}

TEST(SeedCodeTest, RoundTripsInItsFormAndForgivesHowItIsTyped)
{
    for (const Tier tier : {Tier::Easy, Tier::Medium, Tier::Hard, Tier::Master}) {
        for (const std::uint32_t seed : {0u, 1u, 123456789u, 0xFFFFFFFFu}) {
            const SeedCode code{tier, GeneratorVersion, seed};
            const std::string text = formatSeedCode(code);
            ASSERT_EQ(text.size(), 12u) << text;
            EXPECT_EQ(text.substr(0, 3), "S" + std::to_string(GeneratorVersion) + "-");
            EXPECT_EQ(text[7], '-');
            const auto parsed = parseSeedCode(text);
            ASSERT_TRUE(parsed.ok()) << text;
            EXPECT_EQ(parsed.value(), code);
        }
    }
    const std::string text = formatSeedCode({Tier::Hard, 1, 0x01234567});
    std::string typed = " " + withoutHyphens(text) + "\n";
    for (char& c : typed) {
        c = c == '1' ? 'l' : c == '0' ? 'o' : static_cast<char>(std::tolower(c));
    }
    const auto parsed = parseSeedCode(typed);
    ASSERT_TRUE(parsed.ok()) << typed;
    EXPECT_EQ(parsed.value().seed, 0x01234567u);
}

TEST(SeedCodeTest, EveryChangedSymbolAndSwappedPairIsRefused)
{
    testing::expectEverySlipRefused(
        withoutHyphens(formatSeedCode({Tier::Master, 1, 0xC0FFEE42})),
        [](const std::string& code) { return parseSeedCode(code).ok(); });
}

TEST(SeedCodeTest, RefusesNewerVersionsAndWhatIsNoSeedCode)
{
    // A newer version may well have a longer code.
    EXPECT_EQ(parseSeedCode(seedCodeOf(GeneratorVersion + 1, 0, 5)).error(),
              CodeError::NewerVersion);
    EXPECT_EQ(parseSeedCode(seedCodeOf(GeneratorVersion + 1, 0, 5, 64)).error(),
              CodeError::NewerVersion);
    EXPECT_EQ(parseSeedCode(seedCodeOf(0, 0, 5)).error(), CodeError::BadValue);
    EXPECT_EQ(parseSeedCode(seedCodeOf(1, 4, 5)).error(), CodeError::BadValue);
    EXPECT_EQ(parseSeedCode(seedCodeOf(1, 0, 5, 16)).error(), CodeError::Truncated);
    EXPECT_EQ(parseSeedCode(seedCodeOf(1, 0, 5, 40)).error(), CodeError::TrailingData);
    for (const char* text :
         {"", " - ", "S1-7K3Q-9XD2?", "S1 7K3Q 9XD2", "B1XXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXX"}) {
        EXPECT_EQ(parseSeedCode(text).error(), CodeError::NotACode) << text;
    }
}

TEST(SeedCodeTest, TiersByNameAndTheDailyPuzzle)
{
    EXPECT_EQ(tierName(Tier::Easy), "Lätt");
    EXPECT_EQ(tierName(Tier::Master), "Mästare");
    EXPECT_EQ(tierByName("Svår"), Tier::Hard);
    EXPECT_EQ(tierByName("MEDEL"), Tier::Medium);
    EXPECT_EQ(tierByName("master"), Tier::Master);
    EXPECT_EQ(tierByName("Easy"), Tier::Easy);
    EXPECT_EQ(tierByName("svar"), std::nullopt);

    // The same seed for every player: pinned, and another on the next day.
    EXPECT_EQ(dailySeed(2026, 6, 1), 1415119436u);
    EXPECT_NE(dailySeed(2026, 6, 1), dailySeed(2026, 6, 2));
    EXPECT_NE(dailySeed(2026, 6, 1), dailySeed(2027, 6, 1));
    const SeedCode daily = dailyPuzzle(2026, 6, 1);
    EXPECT_EQ(daily.tier, Tier::Hard);
    EXPECT_EQ(daily.seed, dailySeed(2026, 6, 1));
}

} // namespace
} // namespace prismora
