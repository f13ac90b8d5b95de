// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The shipped level series the benchmarks run on: Level01.prl onwards, up to the first gap.
#pragma once

#include <cstdio>
#include <filesystem>
#include <vector>

namespace prismora::bench {

// The files of the series in PRISMORA_LEVELS_DIR, in order.
inline std::vector<std::filesystem::path> seriesFiles()
{
    std::vector<std::filesystem::path> files;
    for (int number = 1; number <= 99; ++number) {
        char name[32];
        std::snprintf(name, sizeof name, "Level%02d.prl", number);
        const std::filesystem::path path = std::filesystem::path(PRISMORA_LEVELS_DIR) / name;
        if (!std::filesystem::exists(path)) {
            break;
        }
        files.push_back(path);
    }
    return files;
}

} // namespace prismora::bench
