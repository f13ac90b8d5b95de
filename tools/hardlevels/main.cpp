// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// hardlevels SEED COUNT OUTDIR: random solvable levels of 4 to 6 pieces with 3 or 4 cannons, white
// lamps and bombs, made by planting a solution first; for testing the solver on hard levels.
#include "hard_levels.h"

#include "core/level_file.h"

#include <cstdio>
#include <filesystem>
#include <iostream>
#include <string>

using namespace prismora;

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::cerr << "usage: hardlevels SEED COUNT OUTDIR\n";
        return 2;
    }
    const unsigned seed = static_cast<unsigned>(std::stoul(argv[1]));
    const int count = std::stoi(argv[2]);
    std::filesystem::create_directories(argv[3]);
    std::cout << "seed " << seed << "\n";
    int made = 0;
    for (const Level& level : hardLevels(seed, count)) {
        char name[32];
        std::snprintf(name, sizeof name, "hard%02d.prl", ++made);
        const auto saved = saveLevel(level, SaveLayout::Position, Completion::Unfinished,
                                     std::filesystem::path(argv[3]) / name);
        if (!saved.ok()) {
            std::cerr << saved.error().reason << "\n";
            return 1;
        }
    }
    return 0;
}
