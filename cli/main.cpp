// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// prismora-cli: the window-free modes of the game in a small program that starts in a moment.
#include "cli/command_line.h"

#include <csignal>
#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    // A write beyond a file-size limit must fail with an error, not kill us.
    std::signal(SIGXFSZ, SIG_IGN);
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (const std::optional<int> code = prismora::runCommandLine(args)) {
        return *code;
    }
    std::cerr << "prismora-cli: the game itself and --render need the window: run prismora\n"
              << prismora::usageText();
    return 2;
}
