// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The command-line modes that need no window: --trace, --solve, --hint, --encode, --decode,
// --help, --version.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace prismora {

// Runs the mode named by the first argument (the arguments after the
// program's name) and returns the process exit code: 0 success, 1 a negative
// answer (no solution), 2 bad usage or a missing or refused file (one line on
// stderr, nothing on stdout). Returns nothing when the arguments name no such
// mode: none at all, a level to open (an argument not starting with "--"),
// or "--" followed by one.
std::optional<int> runCommandLine(const std::vector<std::string>& args);

// The usage text printed by --help, and with an unknown option on stderr.
const char* usageText();

// Writes "prismora: <message>" on stderr and returns the usage exit code 2.
int reportUsageError(const std::string& message);

} // namespace prismora
