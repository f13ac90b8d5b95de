// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Runs `prismora --solve`, `--hint` and `--render` and checks what they answer and write.
#include "run_program.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <unistd.h>

#include <filesystem>
#include <fstream>

namespace prismora {
namespace {

namespace fs = std::filesystem;
using cli_testing::readWholeFile;
using cli_testing::runProgram;
using cli_testing::RunResult;
using nlohmann::json;

const fs::path kSeriesDir = fs::path(PRISMORA_TEST_DATA) / ".." / ".." / "levels";

// A scratch folder removed when the test ends.
class CommandLineFiles : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_dir = fs::temp_directory_path() /
                ("prismora_cli_files_" + std::to_string(getpid()) + "_" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(m_dir);
    }
    void TearDown() override { fs::remove_all(m_dir); }

    fs::path write(const std::string& name, const std::string& text)
    {
        const fs::path path = m_dir / name;
        std::ofstream(path, std::ios::binary) << text;
        return path;
    }

    fs::path m_dir;
};

TEST_F(CommandLineFiles, SolveAnswersWithPlacementsAndWritesASolvedPosition)
{
    const fs::path written = m_dir / "solved.prl";
    const RunResult run =
        runProgram({"--solve", (kSeriesDir / "Level05.prl").string(), "--write", written.string()});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const json answer = json::parse(run.out);
    ASSERT_TRUE(answer["solution"].is_array());
    EXPECT_FALSE(answer["solution"].empty());
    for (const json& placement : answer["solution"]) {
        EXPECT_TRUE(placement.contains("kind") && placement.contains("col") &&
                    placement.contains("row") && placement.contains("dir"));
    }
    EXPECT_TRUE(answer["safe"].get<bool>());
    EXPECT_GT(answer["states"].get<int>(), 0);

    const RunResult traced = runProgram({"--trace", written.string()});
    ASSERT_EQ(traced.exitCode, 0) << traced.err;
    const json position = json::parse(traced.out);
    EXPECT_EQ(position["status"], "Grattis! Du klarade det :)");
    EXPECT_TRUE(position["finished"].get<bool>());
}

// A saved position whose pieces stand wrongly: the solver takes them back
// into the hand, as the hint does, instead of keeping them where they stand.
TEST_F(CommandLineFiles, SolveTakesThePiecesOfASavedPositionBackIntoTheHand)
{
    const fs::path solved = m_dir / "solved.prl";
    ASSERT_EQ(
        runProgram({"--solve", (kSeriesDir / "Level05.prl").string(), "--write", solved.string()})
            .exitCode,
        0);
    std::string text = readWholeFile(solved);
    // Turn the first mirror a quarter turn.
    const std::size_t mirror = text.find("Direction=", text.find("Typ=0\r\n"));
    ASSERT_NE(mirror, std::string::npos) << text;
    char& facing = text[mirror + std::string("Direction=").size()];
    facing = static_cast<char>('0' + ((facing - '0' + 2) % 8));
    const fs::path turned = write("turned.prl", text);
    const RunResult run = runProgram({"--solve", turned.string()});
    ASSERT_EQ(run.exitCode, 0) << run.out << run.err;
    EXPECT_EQ(json::parse(run.out)["solution"].size(), 2u);
}

TEST_F(CommandLineFiles, SolveSaysSoWhenNothingCanSolveTheLevel)
{
    // A red cannon and a green lamp, and nothing in the hand that changes colour.
    const fs::path level = write("hopeless.prl", "[LevelParametrar]\r\nNamn=x\r\nEmpty=True\r\n"
                                                 "[Sak0]\r\nTyp=6\r\nTop=1\r\nLeft=5\r\n"
                                                 "[Sak1]\r\nTyp=0\r\nTop=5\r\nLeft=5\r\n"
                                                 "[Cannon0]\r\nTop=5\r\nLeft=1\r\nDirection=0\r\n"
                                                 "Color=255\r\n");
    const RunResult run = runProgram({"--solve", level.string()});
    EXPECT_EQ(run.exitCode, 1) << run.err;
    const json answer = json::parse(run.out);
    EXPECT_TRUE(answer["solution"].is_null());

    EXPECT_EQ(runProgram({"--solve", (m_dir / "missing.prl").string()}).exitCode, 2);
}

// The hint of a level, of a solved position and of a hopeless level, in the
// shapes a script reads.
TEST_F(CommandLineFiles, HintAnswersAsJsonForEveryKindOfPosition)
{
    const RunResult first = runProgram({"--hint", (kSeriesDir / "Level05.prl").string()});
    ASSERT_EQ(first.exitCode, 0) << first.err;
    const json place = json::parse(first.out);
    EXPECT_EQ(place["hint"], "place");
    EXPECT_TRUE(place.contains("kind") && place.contains("col") && place.contains("row") &&
                place.contains("dir"));
    EXPECT_EQ(place["text"].get<std::string>().rfind("Tips: ", 0), 0u) << place;

    const fs::path solved = m_dir / "solved.prl";
    ASSERT_EQ(
        runProgram({"--solve", (kSeriesDir / "Level05.prl").string(), "--write", solved.string()})
            .exitCode,
        0);
    EXPECT_EQ(json::parse(runProgram({"--hint", solved.string()}).out), json({{"hint", "solved"}}));

    const fs::path hopeless = write("hopeless.prl", "[LevelParametrar]\r\nNamn=x\r\nEmpty=True\r\n"
                                                    "[Sak0]\r\nTyp=6\r\nTop=1\r\nLeft=5\r\n"
                                                    "[Cannon0]\r\nTop=5\r\nLeft=1\r\n"
                                                    "Direction=0\r\nColor=255\r\n");
    const RunResult none = runProgram({"--hint", hopeless.string()});
    EXPECT_EQ(none.exitCode, 1);
    EXPECT_EQ(json::parse(none.out)["hint"], "none");

    EXPECT_EQ(runProgram({"--hint", (m_dir / "missing.prl").string()}).exitCode, 2);
    EXPECT_EQ(runProgram({"--hint"}).exitCode, 2);
}

TEST_F(CommandLineFiles, RenderWritesTheBoardPictureByExtension)
{
    const fs::path picture = m_dir / "board.png";
    const RunResult run =
        runProgram({"--render", (kSeriesDir / "Level01.prl").string(), picture.string()});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::string bytes = readWholeFile(picture);
    ASSERT_GT(bytes.size(), 24u);
    EXPECT_EQ(bytes.substr(1, 3), "PNG");
    const auto byteAt = [&](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
    // IHDR: width and height, big-endian, at offsets 16 and 20.
    EXPECT_EQ((byteAt(18) << 8) | byteAt(19), 451);
    EXPECT_EQ((byteAt(22) << 8) | byteAt(23), 451);

    EXPECT_EQ(runProgram({"--render", (m_dir / "missing.prl").string(), picture.string()}).exitCode,
              2);
}

} // namespace
} // namespace prismora
