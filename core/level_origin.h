// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Where the level on the board came from: what a restart reads, what a solve records, where the
// arrows go on.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace prismora {

struct LevelOrigin {
    enum class Kind {
        Nothing,     // nothing loaded yet, or the board the editor left behind
        SeriesLevel, // a file of the series, reached by the arrows or the chooser
        OpenedFile,  // "Ladda spel..." or the command line
        ResumedGame, // the position "Avsluta" saved, opened by "Fortsätt där du slutade"
        Design,      // a level being built in the editor
        Generated,   // made by the level generator from a seed code
        Code,        // decoded from a level code
    };
    Kind kind = Kind::Nothing;
    // The file the level was read from; empty for Nothing and Design.
    std::filesystem::path file;
    // The series level it is, or was saved from: -1 for none.
    int seriesIndex = -1;
    // The series level's progress key (core/progress.h): solving the level
    // marks it. Also set for an opened file that is a series file.
    std::string progressKey;
    // Generated: the seed code; Code: the level code. Empty for the others.
    std::string code;
    // Generated: the code is today's (or some day's) daily puzzle.
    bool isDaily = false;
};

// What the window remembers of the position "Avsluta" saved, so that
// "Fortsätt där du slutade" brings it back as it was left: the series level
// it belongs to and, for a design, the editor with its palette counts.
struct SavedGameRecord {
    // contentHash of the file written; a record for other bytes (the file was
    // replaced since) is not used.
    std::uint64_t fileHash = 0;
    // File name of the series level the position was played from, and that
    // level's progress key; empty for none.
    std::string seriesFileName;
    std::string progressKey;
    // True when the position is a design left in the editor, with the
    // editor's palette counts (all seventeen rows).
    bool isDesign = false;
    std::vector<int> editorPalette;

    bool operator==(const SavedGameRecord&) const = default;
};

// A generated level the player has had on the board, as "Välj nivå" lists it.
struct GeneratedRecord {
    std::string seedCode;
    // The level code of the level as generated: what the chooser draws and
    // opens again without running the generator.
    std::string levelCode;
    std::string name;
    bool isDaily = false;
    bool isSolved = false;

    bool operator==(const GeneratedRecord&) const = default;
};

} // namespace prismora
