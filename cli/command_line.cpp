// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Dispatching the window-free command-line modes.
#include "cli/command_line.h"

#include "base/version.h"
#include "cli/commands.h"

#include <iostream>

namespace prismora {

const char* usageText()
{
    return "Usage: prismora [LEVEL]                   play (LEVEL is loaded when it exists)\n"
           "       prismora -- LEVEL                  play LEVEL, even a name starting with --\n"
           "       prismora --trace LEVEL [--edit]    trace LEVEL once, print JSON\n"
           "       prismora --render LEVEL OUT        paint LEVEL's board into OUT (.png, .jpg, "
           ".bmp, ...)\n"
           "       prismora --solve LEVEL [--write OUT.prl] [--max-states N] [--max-seconds S]\n"
           "                                          find a placement that solves LEVEL, in\n"
           "                                          an order that sets off no bomb\n"
           "       prismora --solve LEVEL --count [--limit N] [--max-states N] [--max-seconds S]\n"
           "                                          count LEVEL's solutions, up to N (2)\n"
           "                                          (--max-states bounds the search; the\n"
           "                                          seconds are a safety cap, 60 unless given)\n"
           "       prismora --analyse LEVEL           solutions (counted up to 10), fewest "
           "pieces,\n"
           "                                          difficulty and measures of LEVEL, as JSON\n"
           "       prismora --hint LEVEL              print the game's hint for LEVEL (a level\n"
           "                                          or a saved position) as JSON\n"
           "       prismora --encode LEVEL            print LEVEL's level code\n"
           "       prismora --decode CODE --write OUT.prl\n"
           "                                          write the level of a level code\n"
           "       prismora --generate [--tier T] [--seed S | --daily YYYY-MM-DD] [--write "
           "OUT.prl]\n"
           "                                          make a level with one solution, print JSON\n"
           "                                          (T: Lätt, Medel, Svår (default), Mästare or\n"
           "                                          easy, medium, hard, master; S: "
           "0..4294967295;\n"
           "                                          without --seed or --daily the seed comes\n"
           "                                          from the clock)\n"
           "       prismora --help | --version\n";
}

int reportUsageError(const std::string& message)
{
    std::cerr << "prismora: " << message << "\n";
    return 2;
}

std::optional<int> runCommandLine(const std::vector<std::string>& args)
{
    if (args.empty() || args[0].rfind("--", 0) != 0 || args[0] == "--") {
        return std::nullopt;
    }
    const std::string& option = args[0];
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    if (option == "--help") {
        std::cout << usageText();
        return 0;
    }
    if (option == "--version") {
        std::cout << "Prismora version " << Version << "\n";
        return 0;
    }
    if (option == "--trace") {
        return runTraceCommand(rest);
    }
    if (option == "--solve") {
        return runSolveCommand(rest);
    }
    if (option == "--analyse") {
        return runAnalyseCommand(rest);
    }
    if (option == "--hint") {
        return runHintCommand(rest);
    }
    if (option == "--encode") {
        return runEncodeCommand(rest);
    }
    if (option == "--decode") {
        return runDecodeCommand(rest);
    }
    if (option == "--generate") {
        return runGenerateCommand(rest);
    }
    std::cerr << "prismora: unknown option " << option << "\n" << usageText();
    return 2;
}

} // namespace prismora
