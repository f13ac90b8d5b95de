// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// INI profile layer: integers, lookup rules, tolerant parsing, writing layout and Windows-1252.
#include "core/ini_file.h"
#include "core/windows1252.h"

#include <gtest/gtest.h>

namespace prismora {
namespace {

TEST(IniFileTest, ProfileIntegersAcceptDecimalAndHexWithinRange)
{
    const std::pair<const char*, std::optional<std::int32_t>> cases[] = {
        {"0", 0},
        {"  42 ", 42},
        {"+7", 7},
        {"-12", -12},
        {"0x1F", 31},
        {"0X1f", 31},
        {"$1F", 31},
        {"-$10", -16},
        {"0xFFFFFFFF", -1},
        {"$80000000", INT32_MIN},
        {"2147483647", INT32_MAX},
        {"-2147483648", INT32_MIN},
        {"2147483648", std::nullopt},
        {"-2147483649", std::nullopt},
        {"99999999999999999999999", std::nullopt},
        {"0x100000000", std::nullopt},
        {"0x", std::nullopt},
        {"$", std::nullopt},
        {"", std::nullopt},
        {"-", std::nullopt},
        {"abc", std::nullopt},
        {"12abc", std::nullopt},
        {"1 2", std::nullopt},
        {"0x1G", std::nullopt},
        {"--1", std::nullopt},
    };
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(parseProfileInteger(text), expected) << '"' << text << '"';
    }
}

TEST(IniFileTest, NamesMatchWithoutCaseAndTheFirstOccurrenceWins)
{
    const IniFile ini = IniFile::parse("Orphan=1\r\n[Sak0]\r\nTyp=3\r\ntyp=4\r\n[SAK0]\r\nTop=9\r\n"
                                       "[ Other ]\r\n  Key  =  spaced value \t\r\njust text\r\n"
                                       "=nameless\r\n[Broken\r\nk=v\r\n");
    EXPECT_EQ(ini.readInteger("sak0", "TYP", -1), 3);
    EXPECT_EQ(ini.readInteger("Sak0", "Top", -1), -1) << "keys of a repeated section are ignored";
    EXPECT_EQ(ini.readString("other", "key", "-"), "spaced value");
    EXPECT_EQ(ini.readString("Broken", "k", "-"), "v");
    EXPECT_FALSE(ini.readString("Sak0", "Orphan"));
    EXPECT_FALSE(ini.hasSection("Sak1"));
    EXPECT_EQ(ini.readInteger("Other", "Key", 5), 5) << "text that is no number takes the default";
}

TEST(IniFileTest, LineEndsNulBytesAndLongValuesAreHandled)
{
    const IniFile ends = IniFile::parse("[A]\nx=1\r\ny=2\rz=3");
    EXPECT_EQ(ends.readInteger("A", "x", 0), 1);
    EXPECT_EQ(ends.readInteger("A", "y", 0), 2);
    EXPECT_EQ(ends.readInteger("A", "z", 0), 3);

    const IniFile nul = IniFile::parse(std::string("[A]\nx=1\0=9\n\0[B]\ny=2\n", 20));
    EXPECT_EQ(nul.readString("A", "x", "-"), "1");
    EXPECT_EQ(nul.readInteger("A", "y", 0), 2) << "a line cut at NUL carries no header";

    const std::string longValue(3000, '\xE5');
    const IniFile cut = IniFile::parse("[A]\nv=" + longValue + "\n");
    const std::string value = cut.readString("A", "v", "");
    EXPECT_EQ(value.size(), 2 * MaxProfileValueLength) << "2047 characters of two UTF-8 bytes";
}

TEST(IniFileTest, WritingProducesSectionsInOrderWithCrLf)
{
    IniFile ini;
    ini.writeString("Första", "Namn", "å\r\nb");
    ini.writeInteger("Sak0", "Typ", 5);
    ini.writeInteger("sak0", "TYP", 6);
    ini.writeInteger("Sak0", "Top", -1);
    ini.writeString("första", "Other", "€");
    EXPECT_EQ(ini.toBytes(),
              "[F\xF6rsta]\r\nNamn=\xE5  b\r\nOther=\x80\r\n[Sak0]\r\nTyp=6\r\nTop=-1\r\n");
    const IniFile again = IniFile::parse(ini.toBytes());
    EXPECT_EQ(again.readString("FöRSTA", "namn", "-"), "å  b") << "only ASCII letters fold";
    EXPECT_EQ(again.readString("Första", "Other", "-"), "€");
}

TEST(IniFileTest, ByteOrderMarkSelectsUtf8)
{
    const IniFile ini = IniFile::parse("\xEF\xBB\xBF[A]\nName=Grön ☃\n");
    EXPECT_EQ(ini.readString("A", "Name", "-"), "Grön ?");
}

TEST(Windows1252Test, EveryByteSurvivesARoundTrip)
{
    std::string all;
    for (int byte = 0; byte < 256; ++byte) {
        all += static_cast<char>(byte);
    }
    const std::string utf8 = windows1252ToUtf8(all);
    EXPECT_EQ(utf8ToWindows1252(utf8), all);
    EXPECT_EQ(windows1252ToUtf8("\x80\x81\x9F\xE9"), "€\xC2\x81Ÿé");
}

TEST(Windows1252Test, UnwritableCharactersAndBrokenUtf8BecomeQuestionMarks)
{
    EXPECT_EQ(utf8ToWindows1252("a☃b😀c"), "a?b?c");
    EXPECT_EQ(utf8ToWindows1252("x\xC3"), "x?");         // cut sequence
    EXPECT_EQ(utf8ToWindows1252("\xC0\xAF"), "??");      // overlong
    EXPECT_EQ(utf8ToWindows1252("\xED\xA0\x80"), "???"); // surrogate
    EXPECT_EQ(utf8ToWindows1252("\xFF\xE5"
                                "ok"),
              "??ok");
}

} // namespace
} // namespace prismora
