// Process start: a command-line mode without a window, or the game.
#include "app/cli_commands.h"

#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

namespace {

constexpr const char* UsageText =
    "Usage: prismora [LEVEL]                   play (LEVEL is loaded when it exists)\n"
    "       prismora --trace LEVEL [--edit]    trace LEVEL once, print JSON\n"
    "       prismora --render LEVEL OUT        paint LEVEL's board into OUT (.png, .jpg, .bmp, "
    "...)\n"
    "       prismora --solve LEVEL [--write OUT.prl]\n"
    "                                          find a placement that solves LEVEL\n"
    "       prismora --help | --version\n";

} // namespace

int main(int argc, char** argv)
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty() || args[0].rfind("--", 0) != 0) {
        return prismora::RunGame(argc, argv);
    }
    const std::string& option = args[0];
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    if (option == "--help") {
        std::cout << UsageText;
        return 0;
    }
    if (option == "--version") {
        std::cout << "Prismora version 2.52\n";
        return 0;
    }
    if (option == "--trace") {
        return prismora::RunTraceCommand(rest);
    }
    if (option == "--render") {
        return prismora::RunRenderCommand(rest);
    }
    if (option == "--solve") {
        return prismora::RunSolveCommand(rest);
    }
    std::cerr << "prismora: unknown option " << option << "\n" << UsageText;
    return 2;
}
