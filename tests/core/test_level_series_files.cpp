// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The shipped level series: every level loads unsolved, the solver solves it, and
// the designer's solution works as saved and in any placing order.
#include "core/evaluation.h"
#include "core/level_file.h"
#include "core/palette.h"
#include "core/solver_checks.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

namespace prismora {
namespace {

namespace fs = std::filesystem;

constexpr int SeriesLength = 60;
// From here on each level's one solution is counted by the command-line tests.
constexpr int FirstMasterLevel = 31;
constexpr std::uint32_t OrderSeed = 7;
constexpr int RandomOrders = 200;

fs::path levelPath(int number)
{
    char name[32];
    std::snprintf(name, sizeof name, "Level%02d.prl", number);
    // The series lies at the top of the source tree, two folders above the test data.
    return fs::path(PRISMORA_TEST_DATA).parent_path().parent_path() / "levels" / name;
}

std::string fileText(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The level with the designer's pieces standing where the file puts them: the
// same file with "Empty" read as "False".
Level designerSolution(const fs::path& level)
{
    std::string text = fileText(level);
    const std::size_t flag = text.find("Empty=True");
    EXPECT_NE(flag, std::string::npos) << level;
    if (flag != std::string::npos) {
        text.replace(flag, 10, "Empty=False");
    }
    return parseLevel(text).level;
}

void checkDesignerSolution(const Level& level, int number)
{
    const fs::path path = levelPath(number);
    Level solved = designerSolution(path);
    EXPECT_EQ(evaluate(solved).verdict, Verdict::Solved) << path;

    // Without the palette's pieces the level is back to its start: not solved.
    const std::vector<Placement> pieces = placedPieces(solved);
    for (Piece& piece : solved.pieces) {
        piece.removed = piece.removed || isPlaceableKind(piece.kind);
    }
    EXPECT_NE(evaluate(solved).verdict, Verdict::Solved) << path;

    const auto failing = orderThatFails(level, pieces, OrderSeed, RandomOrders);
    EXPECT_FALSE(failing.has_value())
        << path << ": fails in some placing order (seed " << OrderSeed << ")";
}

TEST(LevelSeriesFilesTest, EveryLevelIsUnsolvedOnLoadingAndSolvable)
{
    std::ostringstream figures;
    long total = 0;
    for (int number = 1; number <= SeriesLength; ++number) {
        const fs::path path = levelPath(number);
        SCOPED_TRACE(path.string());
        const std::string text = fileText(path);
        ASSERT_FALSE(text.empty());
        EXPECT_NE(text.find("Empty=True\r\n"), std::string::npos);
        EXPECT_EQ(text.find("\n["), text.find("\r\n[") + 1) << "line ends must be CR LF";

        const auto loaded = loadLevel(path);
        ASSERT_TRUE(loaded.ok());
        const Level& level = loaded.value().level;
        EXPECT_FALSE(level.name.empty());
        const Verdict first = evaluate(level).verdict;
        EXPECT_NE(first, Verdict::Solved);
        EXPECT_NE(first, Verdict::Bomb);
        for (int row = 0; row < PlayRowCount; ++row) {
            // A piece taken from the palette arrives at column 1, row 1.
            const Placement arrival{*kindOfRow(row), 1, 1, 0};
            if (paletteCount(level, row) > 0) {
                EXPECT_NE(verdictAfter(level, std::span(&arrival, 1)), Verdict::Bomb) << row;
            }
        }

        checkDesignerSolution(level, number);
        if (number >= FirstMasterLevel) {
            continue;
        }
        const SolveResult result = solve(level);
        ASSERT_EQ(result.status, SolveStatus::Solved) << "after " << result.states << " states";
        EXPECT_TRUE(solvesLevel(level, result.solution));
        if (number > 2) {
            EXPECT_FALSE(solvableWith(level, 1)) << "one piece is enough";
        }
        figures << (number > 1 ? " " : "") << result.states;
        total += result.states;
    }
    RecordProperty("difficulty", figures.str());
    std::cout << "series difficulty (solver states per level): " << figures.str() << "; total "
              << total << "\n";
}

} // namespace
} // namespace prismora
