// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Choosing the series folder and the player's folder for a portable or an installed game.
#include "app/storage_paths.h"

#include "core/level_series.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <filesystem>

// The build sets both from the install layout (Debian's games layout puts
// the series in share/games/prismora/levels beside /usr/games).
#ifndef PRISMORA_LEVELS_FROM_BIN
#define PRISMORA_LEVELS_FROM_BIN "../share/prismora/levels"
#endif
#ifndef PRISMORA_LEVELS_IN_DATA
#define PRISMORA_LEVELS_IN_DATA "prismora/levels"
#endif

namespace prismora {

namespace {

// Empty stays empty: no folder is not the root folder.
QString withTrailingSlash(const QString& folder)
{
    if (folder.isEmpty() || folder.endsWith(QLatin1Char('/'))) {
        return folder;
    }
    return folder + QLatin1Char('/');
}

bool holdsSeries(const QString& folder)
{
    return !listSeriesFiles(std::filesystem::path(folder.toStdString())).empty();
}

// The first installed folder with a series: beside the executable's prefix,
// then in the XDG data folders (XDG_DATA_HOME before XDG_DATA_DIRS).
QString findInstalledSeries(const QString& programFolder)
{
    QStringList candidates{
        QDir::cleanPath(QDir(programFolder).filePath(QStringLiteral(PRISMORA_LEVELS_FROM_BIN)))};
    candidates += QStandardPaths::locateAll(QStandardPaths::GenericDataLocation,
                                            QStringLiteral(PRISMORA_LEVELS_IN_DATA),
                                            QStandardPaths::LocateDirectory);
    for (const QString& candidate : candidates) {
        if (holdsSeries(candidate)) {
            return candidate;
        }
    }
    return {};
}

} // namespace

StorageFolders decideStorageFolders(const StorageFacts& facts)
{
    const QString program = withTrailingSlash(facts.programFolder);
    const bool isOwnFolder =
        facts.hasSeriesInProgramFolder || facts.installedSeriesFolder.isEmpty();
    if (facts.isProgramFolderWritable && isOwnFolder) {
        return {StorageLayout::Portable, program, program};
    }
    const QString series = isOwnFolder ? program : withTrailingSlash(facts.installedSeriesFolder);
    return {StorageLayout::Installed, series, withTrailingSlash(facts.appDataFolder)};
}

StorageFacts gatherStorageFacts(const QString& programFolder)
{
    StorageFacts facts;
    facts.programFolder = programFolder;
    const QFileInfo folder(programFolder);
    facts.isProgramFolderWritable = folder.isDir() && folder.isWritable();
    facts.hasSeriesInProgramFolder = holdsSeries(programFolder);
    if (!facts.hasSeriesInProgramFolder) {
        facts.installedSeriesFolder = findInstalledSeries(programFolder);
    }
    facts.appDataFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    return facts;
}

StorageFolders findStorageFolders(const QString& programFolder)
{
    return decideStorageFolders(gatherStorageFacts(programFolder));
}

} // namespace prismora
