// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Where the game reads its level series and writes the player's files: beside itself or as
// installed.
#pragma once

#include <QString>

namespace prismora {

// Portable: the game runs from a folder of its own (the build folder, an
// unpacked archive) and keeps everything there, as it always did. Installed:
// the executable lies in a bin folder that is not the player's to write.
enum class StorageLayout { Portable, Installed };

struct StorageFolders {
    StorageLayout layout = StorageLayout::Portable;
    // The folder searched for Level??.prl, with a trailing '/'.
    QString seriesFolder;
    // The folder of every file the game writes on its own (currentlevel.prl,
    // speltest.prl, the -facit snapshots and saved positions) and where the
    // open and save dialogs start, with a trailing '/'. It may not exist yet:
    // the session makes it before writing into it.
    QString playerFolder;
};

// What the decision depends on, gathered from the file system by
// findStorageFolders. Folder names may lack the trailing '/'.
struct StorageFacts {
    QString programFolder;
    bool isProgramFolderWritable = false;
    bool hasSeriesInProgramFolder = false;
    // An installed folder holding the series; empty when none was found.
    QString installedSeriesFolder;
    // The per-user data folder (QStandardPaths::AppDataLocation).
    QString appDataFolder;
};

// The decision, without touching the file system:
// - Portable, both folders the program folder, when that folder is writable
//   and either holds the series itself or no installed series was found (a
//   lone executable keeps working beside itself with an empty series).
// - Installed otherwise, so that even root running the game from /usr/bin
//   never writes there: the player's folder is the per-user data folder, and
//   the series comes from the program folder when it holds one (a read-only
//   unpacked archive), else from the installed series folder, else from the
//   program folder (an empty series).
StorageFolders decideStorageFolders(const StorageFacts& facts);

// The facts for the executable in `programFolder`: its writability (as the
// running user), whether it holds a Level??.prl file, the installed series
// looked for first at PRISMORA_LEVELS_FROM_BIN relative to it
// (`../share/prismora/levels`, `../share/games/prismora/levels` for
// /usr/games) and then as PRISMORA_LEVELS_IN_DATA (`prismora/levels` or
// `games/prismora/levels`) in the XDG data folders, and
// QStandardPaths::AppDataLocation, which is `~/.local/share/Prismora` once the
// application is named "Prismora".
StorageFacts gatherStorageFacts(const QString& programFolder);

// decideStorageFolders(gatherStorageFacts(programFolder)).
StorageFolders findStorageFolders(const QString& programFolder);

} // namespace prismora
