// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Runs `prismora --encode` and `--decode`: a level comes back tracing as before, a bad code
// writes nothing.
#include "run_program.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <filesystem>

namespace prismora {
namespace {

namespace fs = std::filesystem;
using cli_testing::runProgram;
using cli_testing::RunResult;

const fs::path kSeriesDir = fs::path(PRISMORA_TEST_DATA) / ".." / ".." / "levels";

TEST(CodeCommands, DecodedLevelTracesAsTheOriginalAndBadCodesWriteNothing)
{
    const fs::path dir = fs::temp_directory_path() / ("prismora_codes_" + std::to_string(getpid()));
    fs::create_directories(dir);
    const std::string original = (kSeriesDir / "Level46.prl").string();
    const RunResult encoded = runProgram({"--encode", original});
    ASSERT_EQ(encoded.exitCode, 0) << encoded.err;
    ASSERT_FALSE(encoded.out.empty());
    const std::string code = encoded.out.substr(0, encoded.out.size() - 1);
    EXPECT_EQ(code.find('\n'), std::string::npos);

    const std::string written = (dir / "decoded.prl").string();
    const RunResult decoded = runProgram({"--decode", code, "--write", written});
    ASSERT_EQ(decoded.exitCode, 0) << decoded.err;
    EXPECT_EQ(runProgram({"--trace", written}).out, runProgram({"--trace", original}).out);
    EXPECT_EQ(runProgram({"--encode", written}).out, encoded.out);
    fs::remove(written);

    std::string mistyped = code;
    mistyped[10] = mistyped[10] == 'A' ? 'B' : 'A';
    for (const std::string& bad :
         {mistyped, code.substr(0, code.size() / 2), std::string("S1-7K3Q-9XD2")}) {
        const RunResult refused = runProgram({"--decode", bad, "--write", written});
        EXPECT_EQ(refused.exitCode, 2) << bad;
        EXPECT_TRUE(refused.out.empty());
        EXPECT_EQ(std::count(refused.err.begin(), refused.err.end(), '\n'), 1) << refused.err;
    }
    EXPECT_TRUE(fs::is_empty(dir));
    fs::remove_all(dir);
}

} // namespace
} // namespace prismora
