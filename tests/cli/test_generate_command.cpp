// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Runs `prismora --generate`: fixed seeds write the committed files in any build, bad options
// write nothing.
#include "run_program.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <unistd.h>

#include <algorithm>
#include <filesystem>

namespace prismora {
namespace {

namespace fs = std::filesystem;
using cli_testing::readWholeFile;
using cli_testing::runProgram;
using cli_testing::RunResult;

const fs::path kExpectedDir = fs::path(PRISMORA_TEST_DATA) / "generated";

struct Expected {
    const char* tier;
    const char* seed;
    const char* file;
};

// Made once and committed: a Debug and a Release build (or another
// compiler) that made other bytes would fail here.
constexpr Expected Files[] = {
    {"easy", "2", "easy-2.prl"},
    {"Lätt", "42", "easy-42.prl"},
    {"medium", "2", "medium-2.prl"},
};

TEST(GenerateCommand, FixedSeedsWriteTheCommittedFilesAndBadOptionsWriteNothing)
{
    const fs::path dir = fs::temp_directory_path() / ("prismora_gen_" + std::to_string(getpid()));
    fs::create_directories(dir);
    const std::string written = (dir / "level.prl").string();
    for (const Expected& e : Files) {
        const RunResult run =
            runProgram({"--generate", "--tier", e.tier, "--seed", e.seed, "--write", written});
        ASSERT_EQ(run.exitCode, 0) << run.err;
        const nlohmann::json answer = nlohmann::json::parse(run.out);
        EXPECT_EQ(answer["seed"], std::stoul(e.seed));
        EXPECT_NE(readWholeFile(written).find(answer["code"].get<std::string>()),
                  std::string::npos);
        EXPECT_FALSE(answer["pieces"].empty());
        EXPECT_EQ(readWholeFile(written), readWholeFile(kExpectedDir / e.file)) << e.file;
        fs::remove(written);
    }
    for (const std::vector<std::string>& bad :
         std::vector<std::vector<std::string>>{{"--tier", "svårast"},
                                               {"--daily", "2026-02-30"},
                                               {"--daily", "26-1-1"},
                                               {"--seed", "-1"},
                                               {"--seed", "4294967296"},
                                               {"--seed", "3", "--daily", "2026-12-09"},
                                               {"--tier"}}) {
        std::vector<std::string> args{"--generate"};
        args.insert(args.end(), bad.begin(), bad.end());
        args.insert(args.end(), {"--write", written});
        const RunResult refused = runProgram(args);
        EXPECT_EQ(refused.exitCode, 2) << bad.front();
        EXPECT_TRUE(refused.out.empty());
        EXPECT_EQ(std::count(refused.err.begin(), refused.err.end(), '\n'), 1) << refused.err;
    }
    EXPECT_TRUE(fs::is_empty(dir));
    const RunResult unwritable = runProgram({"--generate", "--tier", "easy", "--seed", "2",
                                             "--write", (dir / "no" / "x.prl").string()});
    EXPECT_EQ(unwritable.exitCode, 2);
    EXPECT_TRUE(unwritable.out.empty());
    fs::remove_all(dir);
}

} // namespace
} // namespace prismora
