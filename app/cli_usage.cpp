// What the command-line modes share: the usage-error exit and loading the level.
#include "app/cli_commands.h"

#include "core/level_file.h"

#include <iostream>

namespace prismora {

int ReportUsageError(const std::string& message)
{
    std::cerr << "prismora: " << message << "\n";
    return 2;
}

int LoadLevelForCommand(Game& game, const std::string& levelPath)
{
    const LoadResult loaded = LoadLevel(game, levelPath);
    if (loaded.status == LoadStatus::NotFound) {
        return ReportUsageError("no level file at " + levelPath);
    }
    if (loaded.status == LoadStatus::Refused) {
        return ReportUsageError(loaded.message);
    }
    if (!loaded.message.empty()) {
        std::cerr << "prismora: " << loaded.message << "\n";
    }
    return 0;
}

} // namespace prismora
