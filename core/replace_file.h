// Replacing a file's contents so that a failed write never loses the old file.
#pragma once

#include <filesystem>
#include <string_view>

namespace prismora {

// Writes `bytes` to a new hidden file in the target's folder and renames it
// over `path`. On success `path` holds exactly `bytes` (an older file's
// permission bits are kept); on any failure `path` is untouched and the
// temporary file is removed. Returns whether the file was replaced.
bool ReplaceFileContents(const std::filesystem::path& path, std::string_view bytes);

} // namespace prismora
