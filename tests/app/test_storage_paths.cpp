// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Where a portable and an installed game find the series and write the player's files.
#include "app/storage_paths.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace prismora {
namespace {

// Sets an environment variable for one test and puts the old value back.
class ScopedVariable {
public:
    ScopedVariable(const char* name, const QString& value)
        : m_name(name), m_old(qgetenv(name)), m_wasSet(qEnvironmentVariableIsSet(name))
    {
        qputenv(name, value.toUtf8());
    }
    ~ScopedVariable() { m_wasSet ? qputenv(m_name, m_old) : qunsetenv(m_name); }
    ScopedVariable(const ScopedVariable&) = delete;
    ScopedVariable& operator=(const ScopedVariable&) = delete;

private:
    const char* m_name;
    QByteArray m_old;
    bool m_wasSet;
};

void touch(const QString& path)
{
    ASSERT_TRUE(QDir().mkpath(QFileInfo(path).path()));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
}

TEST(StoragePaths, DecisionForEachWayOfRunning)
{
    const QString appData = "/home/p/.local/share/Prismora";
    const QString installed = "/usr/share/prismora/levels";
    struct Case {
        const char* what;
        StorageFacts facts;
        StorageFolders expected;
    };
    const Case cases[] = {
        {"build folder",
         {"/b/app", true, true, "", appData},
         {StorageLayout::Portable, "/b/app/", "/b/app/"}},
        {"lone executable",
         {"/opt/x", true, false, "", appData},
         {StorageLayout::Portable, "/opt/x/", "/opt/x/"}},
        {"read-only archive",
         {"/opt/p/", false, true, "", appData},
         {StorageLayout::Installed, "/opt/p/", appData + "/"}},
        {"installed, root",
         {"/usr/bin", true, false, installed, appData},
         {StorageLayout::Installed, installed + "/", appData + "/"}},
        {"installed, player",
         {"/usr/bin", false, false, installed, appData},
         {StorageLayout::Installed, installed + "/", appData + "/"}},
        {"series missing",
         {"/usr/bin", false, false, "", ""},
         {StorageLayout::Installed, "/usr/bin/", ""}},
    };
    for (const Case& c : cases) {
        const StorageFolders folders = decideStorageFolders(c.facts);
        EXPECT_EQ(folders.layout, c.expected.layout) << c.what;
        EXPECT_EQ(folders.seriesFolder, c.expected.seriesFolder) << c.what;
        EXPECT_EQ(folders.playerFolder, c.expected.playerFolder) << c.what;
    }
}

TEST(StoragePaths, FindsTheInstalledSeriesAndThePlayersDataFolder)
{
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    const QString top = root.path();
    touch(top + "/usr/share/prismora/levels/Level01.prl");
    touch(top + "/xdg/prismora/levels/Level01.prl");
    touch(top + "/build/Level01.prl");
    ASSERT_TRUE(QDir().mkpath(top + "/usr/bin") && QDir().mkpath(top + "/opt/bin"));
    QCoreApplication::setApplicationName("Prismora");
    const ScopedVariable home("XDG_DATA_HOME", top + "/home");
    const ScopedVariable dirs("XDG_DATA_DIRS", top + "/xdg");

    // Writable to root, but a bin folder beside an installed series stays clean.
    const StorageFolders installed = findStorageFolders(top + "/usr/bin");
    EXPECT_EQ(installed.layout, StorageLayout::Installed);
    EXPECT_EQ(installed.seriesFolder, top + "/usr/share/prismora/levels/");
    EXPECT_EQ(installed.playerFolder, top + "/home/Prismora/");
    // No series under its own prefix: the XDG data folders are searched.
    EXPECT_EQ(findStorageFolders(top + "/opt/bin").seriesFolder, top + "/xdg/prismora/levels/");
    const StorageFolders build = findStorageFolders(top + "/build");
    EXPECT_EQ(build.layout, StorageLayout::Portable);
    EXPECT_EQ(build.playerFolder, top + "/build/");
    EXPECT_FALSE(QFileInfo::exists(installed.playerFolder)) << "deciding creates nothing";
}

} // namespace
} // namespace prismora
