// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Level series: program folder, the Level??.prl listing and order, arrow steps and hints.
#include "core/level_series.h"

#include "scratch_dir.h"

#include <gtest/gtest.h>

namespace prismora {
namespace {

using testing::ScratchDir;

std::vector<std::string> fileNames(const std::vector<std::string>& paths)
{
    std::vector<std::string> names;
    for (const std::string& path : paths) {
        names.push_back(std::filesystem::path(path).filename().string());
    }
    return names;
}

TEST(LevelSeriesTest, ProgramFolderEndsInOneSeparator)
{
    EXPECT_EQ(programFolder("/opt/prismora/prismora"), "/opt/prismora/");
    EXPECT_EQ(programFolder("/prismora"), "/");
    EXPECT_EQ(programFolder("prismora"), std::filesystem::current_path().string() + "/");
}

TEST(LevelSeriesTest, ListingMatchesTwoCharactersAndSortsWithoutCase)
{
    ScratchDir dir;
    for (const char* name :
         {"Level10.prl", "level02.PRL", "LEVEL01.prl", "Levelé3.prl", "Level1.prl", "Level001.prl",
          "Level04.prl.bak", "xLevel05.prl", "Level06.prlx"}) {
        dir.write(name, "");
    }
    std::filesystem::create_directory(dir / "Level09.prl");
    const std::vector<std::string> files = listSeriesFiles(dir.path());
    EXPECT_EQ(fileNames(files),
              (std::vector<std::string>{"LEVEL01.prl", "level02.PRL", "Level09.prl", "Level10.prl",
                                        "Levelé3.prl"}));
    EXPECT_EQ(files.front(), programFolder(dir / "x") + "LEVEL01.prl");
    EXPECT_TRUE(listSeriesFiles(dir / "missing").empty());
}

TEST(LevelSeriesTest, NamesEqualButForCaseStayTogether)
{
    const LevelSeries series(
        {"/d/level02.prl", "/d/Level01.prl", "/d/Level02.prl", "/d/level01.prl"});
    EXPECT_EQ(series.files(), (std::vector<std::string>{"/d/Level01.prl", "/d/level01.prl",
                                                        "/d/Level02.prl", "/d/level02.prl"}));
}

TEST(LevelSeriesTest, ArrowsStepWithoutWrappingAndRewriteTheHint)
{
    std::vector<std::string> files;
    for (int i = 1; i <= 10; ++i) {
        files.push_back("/d/Level" + std::string(i < 10 ? "0" : "") + std::to_string(i) + ".prl");
    }
    LevelSeries series(files);
    EXPECT_EQ(series.hint(), "Level 0 of 9");
    std::vector<int> reached;
    for (int press = 0; press < 11; ++press) {
        ASSERT_TRUE(series.next());
        reached.push_back(series.index());
    }
    EXPECT_EQ(reached, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 9, 9}));
    EXPECT_EQ(series.hint(), "Level 9 of 9; Level10.prl");
    EXPECT_EQ(series.next(), "/d/Level10.prl") << "the last level restarts";
    for (int press = 0; press < 9; ++press) {
        series.previous();
    }
    EXPECT_EQ(series.previous(), "/d/Level01.prl");
    EXPECT_EQ(series.hint(), "Level 0 of 9; Level01.prl");
}

TEST(LevelSeriesTest, ChoosingALevelMovesTheIndexAsTheArrowsWould)
{
    LevelSeries series({"/d/Level01.prl", "/d/Level02.prl", "/d/Level03.prl"});
    EXPECT_FALSE(series.select(3));
    EXPECT_FALSE(series.select(-1));
    EXPECT_EQ(series.hint(), "Level 0 of 2");
    EXPECT_EQ(series.select(0), "/d/Level01.prl");
    EXPECT_EQ(series.hint(), "Level 0 of 2; Level01.prl");
    EXPECT_EQ(series.select(2), "/d/Level03.prl");
    EXPECT_EQ(series.previous(), "/d/Level02.prl") << "the arrows go on from the chosen level";
}

TEST(LevelSeriesTest, FewerThanTwoFilesDisableTheArrows)
{
    LevelSeries none;
    EXPECT_FALSE(none.next());
    EXPECT_EQ(none.hint(), "Level 0 of -1");
    LevelSeries one({"/d/Level01.prl"});
    EXPECT_FALSE(one.next());
    EXPECT_FALSE(one.previous());
    EXPECT_EQ(one.hint(), "Level 0 of 0");
}

} // namespace
} // namespace prismora
