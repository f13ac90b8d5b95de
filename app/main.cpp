// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Process start: a command-line mode without a window, or the game.
#include "app/render_command.h"
#include "app/run_game.h"
#include "cli/command_line.h"

#include <csignal>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    // A write beyond a file-size limit must fail with an error that is
    // shown, not kill the game.
    std::signal(SIGXFSZ, SIG_IGN);
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (!args.empty() && args[0] == "--render") {
        return prismora::runRenderCommand({args.begin() + 1, args.end()});
    }
    // "--editor" opens the game on a new design (the desktop entry's action).
    if (!args.empty() && args[0] == "--editor") {
        return prismora::runGame(argc, argv);
    }
    if (const std::optional<int> code = prismora::runCommandLine(args)) {
        return *code;
    }
    return prismora::runGame(argc, argv);
}
