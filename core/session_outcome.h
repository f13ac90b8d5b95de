// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What one operation of the game session did: what to show again, what to ask, what to report.
#pragma once

#include "core/evaluation.h"
#include "core/level.h"
#include "core/local_text.h"
#include "core/personal_record.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace prismora {

// An operation that could drop a design or a file asks first: called without
// consent it changes nothing and names its question; called again with
// consent (the user said yes) it goes ahead.
enum class Consent { NotAsked, Given };

enum class Question {
    None,
    LeaveDesign,     // "Leveln du bygger är inte sparad! ..." before a design is dropped
    ReplaceFile,     // a save would replace an existing file
    QuitWithoutSave, // the position could not be saved on quitting: quit all the same?
};

// Something to tell the user in a box; `path` and `detail` fill its text.
struct SessionMessage {
    enum class Kind {
        NotWorking,  // a design is saved or tested only when every lamp is lit
        NameMissing, // a new level needs a name
        FileRefused, // detail: why the reader refused the file
        NotALevel,   // path: a file that holds no level
        LoadWarning, // detail: the file was cut at the tables' capacity
        SaveFailed,  // detail: the whole message, naming the file and the reason
        BombAtStart, // a design whose start position sets off a bomb can never be played
    };
    Kind kind;
    std::string path;
    LocalText detail;

    bool operator==(const SessionMessage&) const = default;
};

// The status line's text when it is not the verdict of the position shown.
enum class StatusNote {
    None,      // the verdict
    Bomb,      // "BOOOOOOM bara att börja om...": the level started over
    BoardFull, // "Brädet är fullt": no room for another piece
    // "Akta bomben!": in forgiving mode a beam of the piece being carried or
    // turned reaches a bomb; the level starts over only if it is put down so.
    BombWarning,
};

// What the player just did to a piece, for the window's sounds and highlights.
struct PieceEvent {
    enum class Kind {
        None,
        Taken,     // picked up, or taken from the palette onto the board
        Turned,    // turned one step
        PutDown,   // let go on the board after a drag or a carry
        GivenBack, // back to the hand (out of the level in the editor)
    };
    Kind kind = Kind::None;
    // Where it happened: the piece's cell (the cell it left, for GivenBack).
    Cell cell{0, 0};
};

// The position that set a bomb off, as it stood before the level started over.
struct Explosion {
    Level level;
    Evaluation evaluation;
};

struct SessionOutcome {
    // What to show again.
    bool board = false; // the board, and the status line with the verdict or `note`
    bool palette = false;
    bool name = false;   // the level name field
    bool loaded = false; // a level file was loaded: the caption names it, the board takes the focus
    bool commands = false;        // the command state changed
    bool series = false;          // the arrows' tooltip
    bool pointer = false;         // what the pointer has hold of (its shape)
    std::optional<int> selectRow; // the palette row to select

    StatusNote note = StatusNote::None;
    // The first bomb restart of the session (with forgiving mode off): the
    // player is told that undo brings the position back.
    bool tellUndo = false;

    // What came of the move, for sounds and animations.
    PieceEvent piece;
    // Lamps (piece indices) that this change lit.
    std::vector<int> litLamps;
    // Set when a bomb started the level over.
    std::shared_ptr<const Explosion> explosion;
    // Set when this change solved the level in play.
    std::optional<SolveReport> solve;
    // Asked before anything changed; see Consent. ReplaceFile names the file.
    Question question = Question::None;
    std::filesystem::path questionFile;
    std::optional<SessionMessage> message;
    // The level name field should take the focus (a name is missing).
    bool focusName = false;
    // A file written for the player to share: shown as "Sparad: ..." and put
    // on the clipboard.
    std::optional<std::filesystem::path> sharedFile;
    // Start an independent copy of the game on this level file.
    std::optional<std::filesystem::path> startCopyOn;
    // The game is over: close the window.
    bool close = false;

    bool changedAnything() const { return board || palette || name || loaded || commands; }
};

} // namespace prismora
