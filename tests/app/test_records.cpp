// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Personal records: their words after a solve and in the chooser, and how the settings keep them.
#include "app/progress_store.h"
#include "app/record_text.h"

#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace prismora {
namespace {

TEST(Records, ASolveNamesItsMovesAndTimeAndWhereTheRecordWasBetter)
{
    SolveReport report{6, 42'900, true, LevelRecord{5, 50'000}, false};
    EXPECT_EQ(solveText(report), QString("6 drag, 0:42 (bäst: 5 drag)"));
    report.previousRecord = LevelRecord{6, 30'000};
    EXPECT_EQ(solveText(report), QString("6 drag, 0:42 (bäst: 0:30)"));
    report.previousRecord = LevelRecord{7, 42'100};
    EXPECT_EQ(solveText(report), QString("6 drag, 0:42 (nytt rekord!)"));
    report.previousRecord.reset();
    EXPECT_EQ(solveText(report), QString("6 drag, 0:42")) << "a first solve";
    EXPECT_EQ(durationText(3'725'000), QString("62:05"));
}

TEST(Records, TheSettingsKeepARecordAndRefuseOneThatWasEditedIntoNonsense)
{
    QTemporaryDir dir;
    const QString file = dir.filePath("settings.conf");
    {
        ProgressStore store(file);
        store.keepLevelRecord("Level01.prl-abc", {4, 42'000});
    }
    ProgressStore reopened(file);
    EXPECT_EQ(reopened.levelRecord("Level01.prl-abc"), (LevelRecord{4, 42'000}));
    EXPECT_FALSE(reopened.levelRecord("Level02.prl-def"));
    for (const char* nonsense : {"4", "x,5", "-1,5", "4,5,6", ""}) {
        QSettings(file, QSettings::IniFormat).setValue("records/Level03.prl-x", nonsense);
        EXPECT_FALSE(ProgressStore(file).levelRecord("Level03.prl-x")) << nonsense;
    }
}

} // namespace
} // namespace prismora
