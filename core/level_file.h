// Reading and writing level files (INI layout, extension prl).
#pragma once

#include "core/game.h"

#include <filesystem>
#include <string>
#include <string_view>

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

// Name of a level whose file gives none.
inline constexpr std::string_view DefaultLevelName = "(No name)";

// Replaces the board, palette and level name with the file's level and puts
// the game in play mode (Finished cleared, CurrentLevelFile = path, hot
// indices cleared). Pieces and cannons beyond the tables' capacity are not
// loaded; the result then carries a warning.
//
// How the pieces of a file are used: with "Empty" exactly "True", placeable
// pieces go to the palette and fixed ones onto the board; with "False",
// pieces stand where the file puts them unless "Deleted" is 1 (placeable ones
// then go to the palette) or another non-zero value (placeable ones are
// dropped); any other "Empty" text counts as neither. A fixed piece always
// stands on the board. Kinds outside the named ones keep their low 8 bits
// and stand on the board when the file places them there (they block beams);
// directions keep their low 8 bits too (a cannon without one reads 255), and
// the tracer takes them modulo 8. Only sections Sak0..Sak199 and
// Cannon0..Cannon49 are read. A path naming a directory counts as NotFound;
// any other file that is not a regular file, or one larger than
// MaxLevelFileSize, is Refused without being read.
LoadResult LoadLevel(Game& game, const std::filesystem::path& path);

// LoadLevel's work on the bytes of a level file already read into memory:
// replaces the level and enters play mode, but leaves CurrentLevelFile alone.
// Any byte sequence is accepted; junk reads as an empty level.
LoadResult ParseLevel(Game& game, std::string_view fileBytes);

struct SaveResult {
    bool ok = true;
    // "Unable to write to <path>" when the write failed.
    std::string message;
};

// Writes the board, cannons and (unless emptyBoard) the palette's pieces to
// path. The file is written beside the target and renamed over it, so an
// older file at path survives any failure.
//
// Layout: section "LevelParametrar" (Namn, Playing, Empty), then "Sak<i>" for
// each live piece i (Typ, Top, Left, Direction), then, unless emptyBoard, one
// "Sak<n>" per piece left in palette rows 0..6 with n counting on from
// PieceCount + 1 (Typ, Top 0, Left 0, Deleted 1, Direction 0), then
// "Cannon<i>" for each live cannon i (Top, Left, Direction, Color). Lines end
// in CR LF, text is Windows-1252. Edit-palette rows 7..16 add nothing: the
// fixed pieces they count already stand on the board as piece sections and
// the cannons are cannon sections.
SaveResult SaveLevel(const Game& game, const std::filesystem::path& path, bool emptyBoard);

// The exact bytes SaveLevel writes.
std::string FormatLevel(const Game& game, bool emptyBoard);

} // namespace prismora
