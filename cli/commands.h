// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The window-free commands, each taking the arguments that follow its option.
#pragma once

#include "core/level.h"

#include <charconv>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace prismora {

// Return the process exit code, as runCommandLine does.
int runTraceCommand(const std::vector<std::string>& args);
int runSolveCommand(const std::vector<std::string>& args);
int runHintCommand(const std::vector<std::string>& args);
int runEncodeCommand(const std::vector<std::string>& args);
int runDecodeCommand(const std::vector<std::string>& args);
int runGenerateCommand(const std::vector<std::string>& args);
int runAnalyseCommand(const std::vector<std::string>& args);

// Loads LEVEL for a command as the game loads it, or reports a missing or
// refused file on stderr (nothing when it loaded; a warning about a level
// cut at the tables' capacity also goes to stderr).
std::optional<Level> loadLevelForCommand(const std::string& levelPath);

// Reads a whole argument as a number: false when it is empty, has anything
// after the number, or does not fit `Number`.
template <typename Number> bool readNumber(std::string_view text, Number& value)
{
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    return !text.empty() && error == std::errc{} && stop == end;
}

} // namespace prismora
