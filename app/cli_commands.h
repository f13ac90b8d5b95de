// The command-line modes of the one executable, each run without a window.
#pragma once

#include "core/game.h"

#include <string>
#include <vector>

namespace prismora {

// Each command takes the arguments that follow its option and returns the
// process exit code: 0 success, 1 a negative answer (no solution), 2 bad
// usage or a missing file (one line on stderr, nothing on stdout).
int RunTraceCommand(const std::vector<std::string>& args);
int RunRenderCommand(const std::vector<std::string>& args);
int RunSolveCommand(const std::vector<std::string>& args);

// The game with its window; `args` are the arguments after the program name.
int RunGame(int argc, char** argv);

// Writes the one-line error and returns the usage exit code.
int ReportUsageError(const std::string& message);

// Loads LEVEL for a command-line mode as the game loads it. Returns 0, or
// the exit code after reporting a missing or refused file on stderr; a
// warning about a level cut at the tables' capacity goes to stderr too.
int LoadLevelForCommand(Game& game, const std::string& levelPath);

} // namespace prismora
