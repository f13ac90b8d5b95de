// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Reading and writing level files (INI layout, extension prl).
#pragma once

#include "base/file_replacement.h"
#include "base/result.h"
#include "core/level.h"
#include "core/local_text.h"
#include "core/verdict.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace prismora {

// Level files larger than this are refused unread: a real level is a few
// kilobytes, and a huge file from a stranger must not exhaust memory.
inline constexpr std::uintmax_t MaxLevelFileSize = 1024 * 1024;

// Name of a level whose file gives none.
inline constexpr std::string_view DefaultLevelName = "(No name)";

struct LoadedLevel {
    Level level;
    // Empty, or a warning (for the "Information" box) that the file held
    // more pieces or cannons than the tables take, or than the sections the
    // reader looks at, and was cut there.
    LocalText warning;
    // contentHash of the bytes read, which tells an edited file from the one
    // whose progress was recorded.
    std::uint64_t contentHash = 0;
    // False when the bytes hold nothing of a level: no "LevelParametrar"
    // section, no piece and no cannon (an empty file, random bytes, a text
    // that is not a level). The reader still makes an empty level of them,
    // as the command line traces it; the game refuses to open such a file.
    bool holdsLevel = false;
};

enum class LoadFailure {
    NotFound, // nothing at the path: nothing is said
    Refused,  // a folder or another file that is not a regular file, too large, or unreadable
};

struct LoadError {
    LoadFailure failure;
    // For Refused: why, naming the file.
    LocalText reason;

    std::string message() const { return swedishText(reason); }
};

// Reads the level file at `path` into a new level in play mode. See
// parseLevel for how the file's sections become pieces, palette counts and
// cannons. A path naming nothing fails with NotFound; a folder or any other
// file that is not a regular file, or one larger than MaxLevelFileSize, is
// refused without being read.
Result<LoadedLevel, LoadError> loadLevel(const std::filesystem::path& path);

// A level from the bytes of a level file, in play mode with the seven play
// rows in its palette. Any byte sequence is accepted; junk reads as an empty
// level named "(No name)".
//
// How the pieces of a file are used: with "Empty" exactly "True", placeable
// pieces go to the palette and fixed ones onto the board; with "False",
// pieces stand where the file puts them unless "Deleted" is 1 (placeable ones
// then go to the palette) or another non-zero value (placeable ones are
// dropped); any other "Empty" text counts as neither. A fixed piece always
// stands on the board. Kinds outside the named ones keep their low 8 bits and
// stand on the board when the file places them there (they block beams);
// directions keep their low 8 bits too (a cannon without one reads 255).
// Only sections Sak0..Sak199 and Cannon0..Cannon49 are read, pieces first
// (so their outputs take the lowest source indices), then cannons. Pieces and
// cannons beyond the tables' capacity, and those in sections numbered past
// the ones read, are left out with a warning.
LoadedLevel parseLevel(std::string_view fileBytes);

// What a file records: a design ("Empty" True: the designer's solution, whose
// movable pieces a player gets in the hand) or a position ("Empty" False:
// pieces where they stand, the hand as palette entries).
enum class SaveLayout { Design, Position };

// Whether the position was finished when saved ("Playing" False) or not.
enum class Completion { Unfinished, Finished };

// The bytes saveLevel writes. Section "LevelParametrar" (Namn, Playing,
// Empty), then "Sak<i>" for each live piece i (Typ, Top, Left, Direction);
// for a position, one "Sak<n>" per piece left in palette rows 0..6, n
// counting on from the number of piece records + 1 (Typ, Top 0, Left 0,
// Deleted 1, Direction 0) and, past Sak199, going on with the numbers no
// live piece uses (the number of piece records, then those of removed
// pieces) until the hand is written or no number is left (see
// handPiecesBeyondFile); then "Cannon<i>" for each live cannon i (Top,
// Left, Direction, Color). Lines end in CR LF, text is Windows-1252. Edit
// palette rows 7..16 add nothing: the fixed pieces they count stand on the
// board as piece sections, the cannons are cannon sections.
std::string formatLevel(const Level& level, SaveLayout layout, Completion completion);

// How many pieces in the hand a file of this layout cannot hold: the reader
// looks at 200 piece sections, and each live piece and each piece in the hand
// of a position takes one. 0 for a design, which records no hand.
std::int64_t handPiecesBeyondFile(const Level& level, SaveLayout layout);

// Writes the level to `path` through a temporary file beside it, so an older
// file survives any failure. The error names the file and the reason: the
// system's, or (in Swedish) that the position has more pieces than a file
// holds, which is refused before anything is written.
Result<void, FileError> saveLevel(const Level& level, SaveLayout layout, Completion completion,
                                  const std::filesystem::path& path);

// The level that a file saved from `level` in `layout` loads as: for a
// design, the fixed pieces on the board and the movable ones in the hand; for
// a position, the live pieces and cannons renumbered in order, the hand as it
// is. What a name, kind or cannon turns into on the way is the file's doing.
Level levelAsSaved(const Level& level, SaveLayout layout);

// True when `level` is exactly what parseLevel gives for some file: play
// mode, the seven play rows with counts that fit the file beside the pieces,
// no removed record, each splitting piece's output in piece order before the
// cannons, no cannon in row -1, and a name the reader can give.
bool isLevelAsLoaded(const Level& level);

// "Filen <path> kunde inte sparas: <reason>.", for the message box, with the
// system's reason as it is. Given the level that was to be saved and its
// layout, a position with more pieces than a file holds is named as such.
LocalText saveFailureText(const FileError& error);
LocalText saveFailureText(const FileError& error, const Level& level, SaveLayout layout);

// Whether a position judged `verdict` is recorded as finished ("Playing"
// False) when it is saved.
Completion completionOf(Verdict verdict);

} // namespace prismora
