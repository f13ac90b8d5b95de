// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Runs the prismora executable with arguments and collects its exit code, stdout and stderr.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace prismora::cli_testing {

struct RunResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Runs the executable under a time limit with no standard input.
RunResult runProgram(const std::vector<std::string>& arguments);

std::string readWholeFile(const std::filesystem::path& path);

} // namespace prismora::cli_testing
