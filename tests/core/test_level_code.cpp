// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Level codes: every shipped level and thousands of odd random files come back exactly, within
// their lengths; mistyped, cut, newer and impossible codes are refused.
#include "core/level_code.h"

#include "core/ini_file.h"
#include "core/level_file.h"
#include "core/palette.h"
#include "core/play.h"
#include "core/random.h"
#include "core/seed_code.h"

#include "typing_slips.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <limits>
#include <string>

namespace prismora {
namespace {

namespace fs = std::filesystem;

fs::path seriesLevel(int number)
{
    char name[32];
    std::snprintf(name, sizeof name, "Level%02d.prl", number);
    return fs::path(PRISMORA_TEST_DATA).parent_path().parent_path() / "levels" / name;
}

// The level a code gives, failing the test when it gives none.
Level decoded(const std::string& code)
{
    const auto result = decodeLevelCode(code);
    EXPECT_TRUE(result.ok()) << code << ": error " << static_cast<int>(result.error());
    return result.ok() ? result.value() : Level{};
}

TEST(LevelCodeTest, EveryShippedLevelComesBackWithinItsLength)
{
    for (int number = 1; number <= 60; ++number) {
        const auto loaded = loadLevel(seriesLevel(number));
        ASSERT_TRUE(loaded.ok()) << number;
        const Level& level = loaded.value().level;
        const std::string code = encodeLevelCode(level);
        EXPECT_LE(code.size(), 120u) << number << ": " << code;
        EXPECT_EQ(decoded(code), level) << number;
    }
}

// Random text in the shape of a level file, with the odd values hand-edited
// files hold: numbers anywhere in 32 bits, hex, junk, missing keys, repeated
// and unread sections, names of any bytes and lengths.
class RandomLevelFile {
public:
    explicit RandomLevelFile(std::uint64_t seed) : m_random(seed) {}

    std::string next()
    {
        m_text.clear();
        section("LevelParametrar");
        if (!roll(8)) {
            m_text += "Namn=" + name() + "\r\n";
        }
        const char* empty[] = {"True", "False", "false", "?"};
        m_text += std::string("Empty=") + empty[pick(4)] + "\r\n";
        // Now and then more than the tables hold, in sections numbered in turn.
        const bool isCrowded = roll(10);
        const int pieces = isCrowded ? 150 + pick(100) : pick(30);
        for (int i = 0; i < pieces; ++i) {
            section("Sak" + std::to_string(isCrowded ? i : pick(roll(10) ? 220 : 40)));
            key("Typ", roll(6) ? number() : std::to_string(pick(16)));
            key("Top", cellNumber());
            key("Left", cellNumber());
            key("Direction", roll(4) ? number() : std::to_string(pick(8)));
            key("Deleted", std::to_string(pick(3)));
        }
        const int cannons = isCrowded ? pick(70) : pick(5);
        for (int i = 0; i < cannons; ++i) {
            section("Cannon" + std::to_string(isCrowded ? i : pick(roll(10) ? 60 : 8)));
            key("Top", cellNumber());
            key("Left", cellNumber());
            key("Direction", roll(4) ? number() : std::to_string(pick(8)));
            const char* colours[] = {"255", "65280", "16711680"};
            key("Color", roll(4) ? number() : colours[pick(3)]);
        }
        return m_text;
    }

private:
    int pick(int n) { return static_cast<int>(m_random.uniform(static_cast<std::uint64_t>(n))); }
    bool roll(int oneIn) { return m_random.chance(1, static_cast<std::uint64_t>(oneIn)); }

    void section(const std::string& name)
    {
        m_text += "[" + name + "]" + (roll(2) ? "\r\n" : "\n");
    }
    void key(const char* key, const std::string& value)
    {
        if (!roll(10)) {
            m_text += std::string(key) + "=" + value + "\r\n";
        }
    }

    std::string number()
    {
        const auto any = static_cast<std::int32_t>(static_cast<std::uint32_t>(m_random.next()));
        const std::string odd[] = {"-1", "0", "10", "-2147483648", "0x7FFFFFFF", "$FF", "abc", ""};
        return roll(2) ? std::to_string(any) : odd[pick(8)];
    }
    std::string cellNumber() { return roll(5) ? number() : std::to_string(1 + pick(9)); }

    std::string name()
    {
        std::string text;
        if (roll(3)) {
            // Bytes of every kind, some longer than the reader keeps.
            const int length = roll(4) ? 2000 + pick(100) : pick(40);
            for (int i = 0; i < length; ++i) {
                char byte = static_cast<char>(1 + pick(255));
                text += byte == '\r' || byte == '\n' ? 'x' : byte;
            }
        } else {
            const char* words[] = {"Ljus", "bana", "\xE5n", "\xC4lv", "\xF6", "Nr 7", "  "};
            for (int i = pick(5); i > 0; --i) {
                text += words[pick(7)];
            }
        }
        return text;
    }

    Random m_random;
    std::string m_text;
};

TEST(LevelCodeTest, RandomOddFilesComeBackExactly)
{
    constexpr std::uint64_t seed = 20260601;
    RandomLevelFile files(seed);
    for (int i = 0; i < 3000; ++i) {
        const std::string file = files.next();
        const Level level = parseLevel(file).level;
        ASSERT_TRUE(isLevelAsLoaded(level)) << "seed " << seed << ", file " << i;
        // A position saved from it loads as the same level, so --decode can write one.
        ASSERT_EQ(levelAsSaved(level, SaveLayout::Position), level)
            << "seed " << seed << ", file " << i;
        const std::string code = encodeLevelCode(level);
        ASSERT_LE(code.size(), LongestLevelCode);
        ASSERT_EQ(decoded(code), level) << "seed " << seed << ", file " << i << "\n" << file;
    }
}

TEST(LevelCodeTest, TheLongestLevelsFitAndNamesKeepTheirLastBlank)
{
    constexpr std::int32_t lowest = std::numeric_limits<std::int32_t>::min();
    constexpr std::int32_t highest = std::numeric_limits<std::int32_t>::max();
    Level level;
    level.name = std::string(MaxProfileValueLength, '\x01');
    level.palette = {101, 0, 0, 0, 0, 0, 0};
    for (int i = 0; i < Level::MaxPieces; ++i) {
        appendPiece(level, static_cast<PieceKind>(200), lowest, highest, 200);
    }
    while (appendCannon(level, highest, lowest, 255, -12345)) {
    }
    ASSERT_TRUE(isLevelAsLoaded(level));
    const std::string code = encodeLevelCode(level);
    EXPECT_LE(code.size(), LongestLevelCode);
    EXPECT_EQ(decoded(code), level);

    // The reader cuts a long name after trimming it, so it may end in a blank.
    const std::string name = std::string(MaxProfileValueLength - 1, 'a') + " ";
    const Level cut = parseLevel("[LevelParametrar]\nNamn=" + name + "tail\n").level;
    ASSERT_EQ(cut.name, name);
    EXPECT_EQ(levelAsSaved(cut, SaveLayout::Position), cut);
    EXPECT_EQ(decoded(encodeLevelCode(cut)), cut);
}

TEST(LevelCodeTest, PositionsAndDesignsCodeAsTheirSavedFilesLoad)
{
    // One piece from the hand placed, another taken and given back.
    Level position = loadLevel(seriesLevel(46)).value().level;
    for (const int row : {0, 2}) {
        ASSERT_EQ(takeFromPalette(position, row).result, TakeResult::Taken);
    }
    const auto last = static_cast<int>(position.pieces.size()) - 1;
    moveGrabbed(position, Grab::piece(last - 1), 3, 7);
    moveGrabbed(position, Grab::piece(last), 0, 12);
    ASSERT_TRUE(dropGrabbed(position, Grab::piece(last)));
    const Level fromCode = decoded(encodeLevelCode(position));
    EXPECT_EQ(fromCode, levelAsSaved(position, SaveLayout::Position));
    EXPECT_EQ(fromCode.pieces.back().column, 3);

    // A design: the mirror goes to the hand, the lamp and the cannon stay.
    Level design = newDesign();
    for (const int row : {0, 7, 10}) {
        ASSERT_EQ(takeFromPalette(design, row).result, TakeResult::Taken);
    }
    const Level played = decoded(encodeLevelCode(levelAsSaved(design, SaveLayout::Design)));
    EXPECT_EQ(played.palette[0], 1);
    ASSERT_EQ(played.pieces.size(), 1u);
    EXPECT_EQ(played.pieces[0].kind, PieceKind::RedLamp);
    EXPECT_EQ(played.sources.size(), 1u);
}

TEST(LevelCodeTest, EveryChangedSymbolAndSwappedPairIsRefused)
{
    const Level odd = parseLevel("[LevelParametrar]\nNamn=\x81 Udda \xC5r\nEmpty=False\n"
                                 "[Sak3]\nTyp=200\nTop=-7\nLeft=2147483647\nDirection=77\n"
                                 "[Sak4]\nTyp=12\nTop=0\nLeft=9\n[Cannon0]\nTop=3\nColor=5\n")
                          .level;
    for (const Level& level : {loadLevel(seriesLevel(60)).value().level, odd, Level{}}) {
        testing::expectEverySlipRefused(encodeLevelCode(level), [](const std::string& code) {
            return decodeLevelCode(code).ok();
        });
    }
}

// A level code written bit by bit: "B", the version, then `bits` ('0' and
// '1'; blanks only separate fields).
std::string levelCodeOf(unsigned version, std::string_view bits)
{
    SymbolWriter writer;
    writer.write(11, 5);
    writer.write(version, 5);
    for (const char bit : bits) {
        if (bit != ' ') {
            writer.write(bit == '1' ? 1 : 0, 1);
        }
    }
    return writer.finish();
}

TEST(LevelCodeTest, CutNewerAndImpossibleCodesAreRefused)
{
    // No name, no pieces, an empty hand, no cannons.
    const std::string nothing = "0 1001 1111111 0";
    ASSERT_EQ(decoded(levelCodeOf(1, nothing)), parseLevel("").level);
    EXPECT_EQ(decodeLevelCode(levelCodeOf(2, nothing)).error(), CodeError::NewerVersion);
    EXPECT_EQ(decodeLevelCode(levelCodeOf(31, "")).error(), CodeError::NewerVersion);
    EXPECT_EQ(decodeLevelCode(levelCodeOf(0, nothing)).error(), CodeError::BadValue);
    EXPECT_EQ(decodeLevelCode(levelCodeOf(1, "0 1001 111")).error(), CodeError::Truncated);
    EXPECT_EQ(decodeLevelCode(levelCodeOf(1, nothing + "11111")).error(), CodeError::TrailingData);
    std::string hundredPieces = "0";
    for (int i = 0; i < 100; ++i) {
        hundredPieces += " 0000 0001011 0";
    }
    for (const std::string& bits : {
             std::string("1 11111 00000 00001101 00000 1001 1111111 0"), // a line break in the name
             hundredPieces + " 1001 1111111 0",
             std::string("0 1001 0000000 11001010 111111 0"),        // 201 pieces in the hand
             std::string("0 1001 1111111 1 1100100 011 010 0 00 0"), // a cannon in row -1
             std::string("0 0000 1111111 0 1001 1111111 0"),         // a cell code past the escape
         }) {
        EXPECT_EQ(decodeLevelCode(levelCodeOf(1, bits)).error(), CodeError::BadValue) << bits;
    }
    for (const std::string& text :
         {std::string(), std::string("B1?"), std::string(LongestLevelCode + 1, '0'),
          formatSeedCode(SeedCode{})}) {
        EXPECT_EQ(decodeLevelCode(text).error(), CodeError::NotACode) << text;
    }
}

} // namespace
} // namespace prismora
