// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Generated levels: every measure holds, one solution, the tier's pieces, the same bytes every run.
#include "core/level_generator.h"

#include "core/content_hash.h"
#include "core/level_file.h"
#include "core/level_measures.h"
#include "core/safe_path.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace prismora {
namespace {

struct TierSeed {
    Tier tier;
    int version;
    std::uint32_t seed;
    int fewestPieces;
    int mostPieces;
    // contentHash of the level file the code made when it was first given
    // out: a code must make the same level in every later build.
    std::uint64_t fingerprint;
};

// Seeds whose levels are quick to make, so the check stays fast in CI; the
// benchmark makes many more.
constexpr TierSeed Cases[] = {
    {Tier::Easy, 1, 2, 2, 3, 0x348fba0d959094e0},
    {Tier::Easy, 1, 42, 2, 3, 0x67267362bfb7a787},
    {Tier::Medium, 1, 2, 3, 4, 0x2f0812a0fd39f9f8},
    {Tier::Medium, 1, 7919, 3, 4, 0xc7f936430086c052},
    {Tier::Hard, 1, 3, 4, 5, 0x9e4f4093af3c0042},
    {Tier::Master, 1, 17, 5, 7, 0x0f2e7184536e3d54},
    {Tier::Master, 2, 2, 5, 7, 0xa476af7d88ef7a96},
};

TEST(LevelGeneratorTest, EveryLevelMeetsEveryMeasureWithTheTiersPiecesAndTheSameBytes)
{
    // The highest difficulty of the tiers before this one, and of this one.
    int below = -1;
    int highest = -1;
    Tier tierSoFar = Tier::Easy;
    for (const TierSeed& c : Cases) {
        if (c.tier != tierSoFar) {
            below = highest;
            tierSoFar = c.tier;
        }
        const SeedCode code{c.tier, c.version, c.seed};
        const auto generated = generateLevel(code);
        ASSERT_TRUE(generated.ok()) << formatSeedCode(code);
        const GeneratedLevel& level = generated.value();
        SCOPED_TRACE(level.code);
        EXPECT_EQ(level.code, formatSeedCode(code));
        EXPECT_TRUE(isLevelAsLoaded(level.level));
        EXPECT_NE(level.level.name.find(level.code), std::string::npos);

        const ElementCounts counts = countElements(level.level);
        EXPECT_GE(counts.pieces, c.fewestPieces);
        EXPECT_LE(counts.pieces, c.mostPieces);

        const CountResult count = countSolutions(level.level, 2);
        ASSERT_TRUE(count.isExact);
        ASSERT_EQ(count.solutions, 1);
        const DesignedLevel designed{level.level, count.found.front()};
        for (const LevelMeasure& measure : levelMeasures()) {
            EXPECT_TRUE(measure.run(designed, {SeriesRules::Master, 0}).holds()) << measure.key;
        }
        // A harder tier never gives an easier level (the cases are in tier order).
        EXPECT_GT(level.difficulty, below);
        highest = std::max(highest, level.difficulty);

        const std::string file =
            formatLevel(level.level, SaveLayout::Position, Completion::Unfinished);
        EXPECT_EQ(contentHash(file), c.fingerprint) << std::hex << contentHash(file);
        if (c.tier != Tier::Master) {
            // Only "Mästare" changed after version 1: the others make the same level.
            auto newer = generateLevel({c.tier, GeneratorVersion, c.seed});
            ASSERT_TRUE(newer.ok());
            newer.value().level.name = level.level.name;
            EXPECT_EQ(
                formatLevel(newer.value().level, SaveLayout::Position, Completion::Unfinished),
                file);
        }
    }
}

TEST(LevelGeneratorTest, RefusesANewerVersionAndStopsWhenCancelled)
{
    const auto newer = generateLevel({Tier::Hard, GeneratorVersion + 1, 5});
    ASSERT_FALSE(newer.ok());
    EXPECT_EQ(newer.error(), GenerateFailure::NewerVersion);

    const std::atomic<bool> cancel{true};
    const auto cancelled = generateLevel({Tier::Master, GeneratorVersion, 5}, &cancel);
    ASSERT_FALSE(cancelled.ok());
    EXPECT_EQ(cancelled.error(), GenerateFailure::Cancelled);
}

} // namespace
} // namespace prismora
