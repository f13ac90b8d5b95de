// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Runs the prismora executable through the shell and collects what it prints.
#include "run_program.h"

#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <fstream>
#include <sstream>

namespace prismora::cli_testing {

namespace fs = std::filesystem;

namespace {

// Single-quotes a word for /bin/sh.
std::string shellQuoted(const std::string& word)
{
    std::string quoted = "'";
    for (const char c : word) {
        if (c == '\'')
            quoted += "'\\''";
        else
            quoted += c;
    }
    return quoted + "'";
}

} // namespace

std::string readWholeFile(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Runs the executable with the given arguments; stdout is read through the pipe,
// stderr goes to a scratch file so that both can be checked.
RunResult runProgram(const std::vector<std::string>& arguments)
{
    static std::atomic<int> runNumber{0};
    const fs::path errPath =
        fs::temp_directory_path() /
        ("prismora_cli_" + std::to_string(getpid()) + "_" + std::to_string(runNumber++) + ".err");
    // The time limit keeps a program that wrongly opens a window from hanging the suite.
    std::string command = "timeout 60 " + shellQuoted(PRISMORA_EXECUTABLE);
    // Appended apart: GCC 12 at -O3 warns falsely (-Wrestrict) on " " + a temporary here.
    for (const std::string& argument : arguments) {
        command += ' ';
        command += shellQuoted(argument);
    }
    command += " 2>" + shellQuoted(errPath.string()) + " </dev/null";

    RunResult result;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr)
        return result;
    char buffer[4096];
    std::size_t got = 0;
    while ((got = fread(buffer, 1, sizeof buffer, pipe)) > 0)
        result.out.append(buffer, got);
    const int status = pclose(pipe);
    if (status != -1 && WIFEXITED(status))
        result.exitCode = WEXITSTATUS(status);
    result.err = readWholeFile(errPath);
    std::error_code ignored;
    fs::remove(errPath, ignored);
    return result;
}

} // namespace prismora::cli_testing
