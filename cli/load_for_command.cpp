// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Loading the level a command names, with its errors on stderr.
#include "cli/command_line.h"
#include "cli/commands.h"

#include "core/level_file.h"

#include <iostream>

namespace prismora {

std::optional<Level> loadLevelForCommand(const std::string& levelPath)
{
    auto loaded = loadLevel(levelPath);
    if (!loaded.ok()) {
        const LoadError& error = loaded.error();
        reportUsageError(error.failure == LoadFailure::NotFound ? "no level file at " + levelPath
                                                                : error.message());
        return std::nullopt;
    }
    if (!loaded.value().warning.empty()) {
        std::cerr << "prismora: " << swedishText(loaded.value().warning) << "\n";
    }
    return std::move(loaded.value().level);
}

} // namespace prismora
