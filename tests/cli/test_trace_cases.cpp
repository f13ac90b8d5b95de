// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Runs `prismora --trace` on the hand-worked level cases and compares the JSON field by field.
#include "run_program.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace prismora {
namespace {

namespace fs = std::filesystem;
using cli_testing::readWholeFile;
using cli_testing::runProgram;
using cli_testing::RunResult;
using nlohmann::json;

const fs::path kCaseDir = fs::path(PRISMORA_TEST_DATA) / "trace_cases";
constexpr std::size_t kMostReportedDifferences = 40;

std::string childPath(const std::string& parent, const std::string& key)
{
    return parent.empty() ? key : parent + "." + key;
}

std::string elementPath(const std::string& parent, std::size_t index)
{
    return parent + "[" + std::to_string(index) + "]";
}

void collectDifferences(const json& expected, const json& actual, const std::string& path,
                        std::vector<std::string>& differences);

void collectObjectDifferences(const json& expected, const json& actual, const std::string& path,
                              std::vector<std::string>& differences)
{
    for (const auto& [key, value] : expected.items()) {
        const std::string where = childPath(path, key);
        if (!actual.contains(key))
            differences.push_back(where + ": missing (expected " + value.dump() + ")");
        else
            collectDifferences(value, actual.at(key), where, differences);
    }
}

void collectArrayDifferences(const json& expected, const json& actual, const std::string& path,
                             std::vector<std::string>& differences)
{
    if (expected.size() != actual.size()) {
        differences.push_back(path + ": " + std::to_string(actual.size()) + " elements, expected " +
                              std::to_string(expected.size()));
    }
    const std::size_t common = std::min(expected.size(), actual.size());
    for (std::size_t i = 0; i < common; ++i)
        collectDifferences(expected[i], actual[i], elementPath(path, i), differences);
    for (std::size_t i = common; i < expected.size(); ++i)
        differences.push_back(elementPath(path, i) + ": missing (expected " + expected[i].dump() +
                              ")");
    for (std::size_t i = common; i < actual.size(); ++i)
        differences.push_back(elementPath(path, i) + ": unexpected " + actual[i].dump());
}

// Walks the expected value and notes every place where the actual value differs.
// Arrays are compared element by element, objects key by key (key order is ignored).
void collectDifferences(const json& expected, const json& actual, const std::string& path,
                        std::vector<std::string>& differences)
{
    if (expected.is_object() && actual.is_object()) {
        collectObjectDifferences(expected, actual, path, differences);
    } else if (expected.is_array() && actual.is_array()) {
        collectArrayDifferences(expected, actual, path, differences);
    } else if (expected != actual) {
        differences.push_back(path + ": got " + actual.dump() + ", expected " + expected.dump());
    }
}

std::string joinedReport(const std::vector<std::string>& differences)
{
    std::string report;
    const std::size_t shown = std::min(differences.size(), kMostReportedDifferences);
    for (std::size_t i = 0; i < shown; ++i)
        report += "  " + differences[i] + "\n";
    if (shown < differences.size())
        report += "  ... and " + std::to_string(differences.size() - shown) + " more\n";
    return report;
}

std::vector<std::string> caseNames()
{
    std::vector<std::string> names;
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator(kCaseDir, error)) {
        if (entry.path().extension() == ".prl")
            names.push_back(entry.path().stem().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

// Extra command-line words of a case, one per whitespace-separated word of NAME.args.
std::vector<std::string> caseOptions(const std::string& name)
{
    std::vector<std::string> options;
    std::istringstream words(readWholeFile(kCaseDir / (name + ".args")));
    for (std::string word; words >> word;)
        options.push_back(word);
    return options;
}

class TraceCase : public ::testing::TestWithParam<std::string> {};

TEST_P(TraceCase, PrintsTheHandWorkedResult)
{
    const std::string name = GetParam();
    const fs::path level = kCaseDir / (name + ".prl");
    const json expected = json::parse(readWholeFile(kCaseDir / (name + ".json")));

    std::vector<std::string> arguments{"--trace", level.string()};
    for (const std::string& option : caseOptions(name))
        arguments.push_back(option);
    const RunResult run = runProgram(arguments);
    ASSERT_EQ(run.exitCode, 0) << name << ": stderr: " << run.err;

    const json actual = json::parse(run.out, nullptr, false);
    ASSERT_FALSE(actual.is_discarded()) << name << ": stdout is not one JSON value:\n" << run.out;

    std::vector<std::string> differences;
    collectDifferences(expected, actual, "", differences);
    EXPECT_TRUE(differences.empty()) << name << ": " << differences.size() << " field(s) differ\n"
                                     << joinedReport(differences);
}

INSTANTIATE_TEST_SUITE_P(HandWorked, TraceCase, ::testing::ValuesIn(caseNames()),
                         [](const ::testing::TestParamInfo<std::string>& param) {
                             return param.param;
                         });

TEST(TraceCaseFiles, EnoughCasesArePresent)
{
    EXPECT_GE(caseNames().size(), 15u) << "case folder: " << kCaseDir;
}

TEST(CommandLine, MissingLevelFailsWithNothingOnStdout)
{
    const fs::path missing = kCaseDir / "no_such_level.prl";
    ASSERT_FALSE(fs::exists(missing));
    const RunResult run = runProgram({"--trace", missing.string()});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.out.empty()) << run.out;
    EXPECT_FALSE(run.err.empty());
}

TEST(CommandLine, HelpAndVersionSucceed)
{
    EXPECT_EQ(runProgram({"--help"}).exitCode, 0);
    EXPECT_EQ(runProgram({"--version"}).exitCode, 0);
}

TEST(CommandLine, UnknownOptionFailsWithUsageOnStderr)
{
    const RunResult run = runProgram({"--no-such-option"});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_FALSE(run.err.empty());
}

} // namespace
} // namespace prismora
