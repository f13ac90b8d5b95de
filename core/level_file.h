// Reading and writing level files (INI layout, extension prl).
#pragma once

#include "core/game.h"

#include <filesystem>
#include <string>

namespace prismora {

// Level files larger than this are refused unread: a real level is a few
// kilobytes, and a huge file from a stranger must not exhaust memory.
inline constexpr std::uintmax_t MaxLevelFileSize = 1024 * 1024;

enum class LoadStatus {
    Loaded,   // the game now holds the file's level
    NotFound, // no file at the path: nothing changed
    Refused,  // the file cannot be a level (too large, unreadable): nothing changed
};

struct LoadResult {
    LoadStatus status = LoadStatus::NotFound;
    // For Refused: why, in Swedish, for the message box. For Loaded: empty,
    // or a warning that the level held more than the tables can take and was
    // cut at the limit.
    std::string message;
};

// Replaces the board, palette and level name with the file's level and puts
// the game in play mode (Finished cleared, CurrentLevelFile = path, hot
// indices cleared). Pieces and cannons beyond the tables' capacity are not
// loaded; the result then carries a warning.
LoadResult LoadLevel(Game& game, const std::filesystem::path& path);

struct SaveResult {
    bool ok = true;
    // "Unable to write to <path>" when the write failed.
    std::string message;
};

// Writes the board, cannons and (unless emptyBoard) the palette's pieces to
// path. The file is written beside the target and renamed over it, so an
// older file at path survives any failure.
SaveResult SaveLevel(const Game& game, const std::filesystem::path& path, bool emptyBoard);

} // namespace prismora
