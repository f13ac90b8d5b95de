// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Replacing a file's contents so that a failed write never loses the old file.
#pragma once

#include "base/result.h"

#include <chrono>
#include <filesystem>
#include <string>
#include <string_view>

namespace prismora {

// A file that could not be written: which one, and the system's reason.
struct FileError {
    std::filesystem::path path;
    std::string reason;
};

// Writes `bytes` to a new hidden file (".prismora-<random>.tmp") in the
// target's folder, flushes it to the disk and renames it over `path`. On
// success `path` holds exactly `bytes` (an older file's permission bits are
// kept); on any failure (full disk, file-size limit, read-only folder) `path`
// is untouched, the temporary file is removed, and the error names `path`
// and the reason. Stale temporary files of our own pattern left in the folder
// by a killed save are removed first (see removeStaleTemporaryFiles).
Result<void, FileError> replaceFileContents(const std::filesystem::path& path,
                                            std::string_view bytes);

// True for names of the temporary files replaceFileContents creates.
bool isOwnTemporaryFileName(std::string_view fileName);

// Removes regular files in `folder` whose names are our temporary pattern
// and that were last written more than `age` ago: a save in progress in
// another copy of the program is never older than that. Errors are ignored.
void removeStaleTemporaryFiles(const std::filesystem::path& folder,
                               std::chrono::seconds age = std::chrono::seconds(60));

} // namespace prismora
