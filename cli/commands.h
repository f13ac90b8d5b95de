// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The window-free commands, each taking the arguments that follow its option.
#pragma once

#include "core/level.h"

#include <optional>
#include <string>
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

} // namespace prismora
