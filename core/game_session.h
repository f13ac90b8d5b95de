// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The game between the rules and the window: the level on the board, where it came from, undo,
// and every operation of a player or designer, each answered with one outcome.
#pragma once

#include "core/board_cursor.h"
#include "core/command_state.h"
#include "core/evaluation.h"
#include "core/level.h"
#include "core/level_file.h"
#include "core/level_generator.h"
#include "core/level_origin.h"
#include "core/level_series.h"
#include "core/play.h"
#include "core/pointer_cell.h"
#include "core/session_outcome.h"
#include "core/session_store.h"
#include "core/undo_history.h"

#include "base/file_replacement.h"
#include "base/result.h"

#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace prismora {

// The name field's text before anything is loaded.
inline constexpr const char* InitialLevelName = "(no name)";
// Files in the player's folder.
inline constexpr const char* SavedGameFileName = "currentlevel.prl";
inline constexpr const char* TestCopyFileName = "speltest.prl";

// A generated level asked for by its tier, or the daily puzzle.
enum class PuzzleKind { Generated, Daily };

// What copying the level shares: the level as its file would be saved.
struct SharedLevel {
    Level level;
    SaveLayout layout = SaveLayout::Position;
    Completion completion = Completion::Unfinished;
};

// A pointer move with the left button alone held drags; any other is a hover.
enum class PointerMove { Hover, Drag };

// "Förlåtande läge": off, a beam into a bomb in play starts the level over at
// once; on, a piece being carried or turned only warns of a bomb its beams
// reach, and the level starts over only if the piece is put down so.
enum class ForgivingMode { Off, On };

// Where the session reads the time a solve took; tests give a clock of their own.
using SessionClock = std::function<std::chrono::milliseconds()>;

struct SessionFolders {
    // The level series lies here.
    std::filesystem::path seriesFolder;
    // Every file the player makes, and where the file dialogs open.
    std::filesystem::path playerFolder;
};

// One game window's session. The window turns each event into one of the
// operations below and shows the outcome; the session never draws and never
// asks itself: what the user must answer comes back as a question (see
// Consent), what the user must know as a message.
//
// The rules it keeps:
// - every change of the level is judged at once; a beam into a bomb in play
//   starts the level over from its restart source (the file loaded last,
//   the level as generated or decoded, or the position taken when a design
//   was played), once per action: a
//   restarted position that itself hits a bomb is shown with the bomb text;
// - every finished action is one undo step; loads and changes of the command
//   state start a fresh history, a restart is a step;
// - nothing made is dropped without a question or a save: a design changed
//   since the editor opened it is asked about before a load, a new design or
//   quitting replaces it, and quitting saves an unfinished position;
// - a design is saved or tested only when every lamp on it is lit and its
//   start position (the pieces to place in the hand) sets off no bomb;
// - in forgiving mode a piece is held while it is dragged, carried by the
//   keys, or turned and not yet let go (the pointer or the keyboard's frame
//   still on it); a bomb its beams reach waits for the put-down (a release,
//   Space, a step away, any other action) and undo takes the whole hold back;
// - a move is a placement, a turn or a give-back: a drag or carry that moves
//   a piece is one whatever it ends with, each turn one, Delete one. A solve
//   of a series level played from its start counts for the level's record
//   of fewest moves and shortest time since the load.
class GameSession {
public:
    // No clock: the steady clock.
    GameSession(SessionFolders folders, SessionStore& store, SessionClock clock = {});

    const Level& level() const { return m_level; }
    const Evaluation& evaluation() const { return m_evaluation; }
    const Grab& grab() const { return m_grab; }
    const BoardCursor& cursor() const { return m_cursor; }
    bool isCarrying() const;
    CommandState commandState() const { return m_state; }
    const LevelSeries& series() const { return m_series; }
    const LevelOrigin& origin() const { return m_origin; }
    const SessionFolders& folders() const { return m_folders; }
    // The file loaded last, whose name the caption shows; empty before any load.
    const std::filesystem::path& loadedFile() const { return m_loadedFile; }
    bool isTestCopy() const { return m_isTestCopy; }

    const UndoHistory& history() const { return m_history; }
    bool canUndo() const { return m_history.canUndo(); }
    bool canRedo() const { return m_history.canRedo(); }
    // A level played from a file, or a design played from the editor.
    bool canRestart() const;
    // Hints are for a level being played.
    bool canHint() const;
    bool hasSavedGame() const;
    // A design whose name, pieces or cannons changed since the editor opened it.
    bool isDesignChanged() const;

    ForgivingMode forgivingMode() const { return m_forgiving; }
    // Takes effect from the next move; a bomb already waiting still waits.
    void setForgivingMode(ForgivingMode mode) { m_forgiving = mode; }
    // A beam of a held piece reaches a bomb (forgiving mode).
    bool isBombWaiting() const { return m_isBombWaiting; }
    // Placements, turns and give-backs since the level was loaded.
    int moveCount() const { return m_moveCount; }
    // The level is one of the series, and "-->" leads on to another.
    bool hasNextLevel() const;

    // Start-up: the level named on the command line, if any. A level that is
    // the player's test file makes this the copy "Testa spel..." started,
    // which never writes the player's saved game.
    SessionOutcome start(const std::optional<std::filesystem::path>& levelFile);

    // The pointer on the board.
    SessionOutcome movePointer(PointerCell at, PointerMove move);
    // The pointer left the board: nothing is under it.
    void leavePointer();
    SessionOutcome turnGrabbed(Turn turn);
    SessionOutcome releasePointer();
    // A double-click on a palette row.
    SessionOutcome takeFromPalette(int row);

    // The keys on the board.
    SessionOutcome moveCursor(int columnStep, int rowStep);
    SessionOutcome pickUpOrPutDown();
    SessionOutcome turnAtCursor(Turn turn);
    SessionOutcome giveBackAtCursor();
    SessionOutcome takeIntoHand(int row);

    SessionOutcome undo();
    SessionOutcome redo();
    // Starts the level over from its restart source, as one undoable step.
    SessionOutcome restart();

    // Loads: the level name, caption and command state follow the file.
    SessionOutcome openFile(const std::filesystem::path& path, Consent consent);
    SessionOutcome nextLevel(Consent consent);
    SessionOutcome previousLevel(Consent consent);
    SessionOutcome goToSeriesLevel(int index, Consent consent);
    SessionOutcome continueSavedGame(Consent consent);
    // A level the generator made, and one decoded from a level code: loaded
    // as a file is, but a restart goes back to the level as it came. A
    // generated level is remembered in the store, and marked there when
    // solved.
    SessionOutcome openGenerated(GeneratedLevel generated, PuzzleKind kind, Consent consent);
    SessionOutcome openCoded(Level level, std::string code, Consent consent);
    // What "Kopiera" shares: the position, or the design being edited.
    SharedLevel sharedLevel() const;

    // The editor.
    SessionOutcome newDesign(Consent consent);
    SessionOutcome editLoaded();
    SessionOutcome playLoaded();
    SessionOutcome discardDesign();
    // What "Spara som nytt spel..." and "Testa spel..." check first: a
    // NotWorking or BombAtStart message, or nothing when the design may be
    // saved.
    SessionOutcome checkDesign() const;
    SessionOutcome saveDesign(const std::filesystem::path& path, Consent consent);
    SessionOutcome testDesign();

    // "Spara spelposition": the position as <name>-facit.prl, to share.
    SessionOutcome savePosition();
    // Where "Ta skärmdump" writes the board's picture, <name>-facit.jpg; the
    // player's folder is made when missing.
    Result<std::filesystem::path, FileError> snapshotPath() const;

    void setName(std::string name);

    // "Avsluta", and closing the window: an unfinished position is saved as
    // the player's saved game, a changed design is asked about, a save that
    // fails is reported and asked about. With consent the window closes
    // without saving.
    SessionOutcome quit(Consent consent);
    // The system ends the game (logout, shutdown, its terminal closed), so
    // nothing can be asked: what quitting would save or ask about is saved
    // as the player's saved game, and the window closes even when the save
    // fails (the outcome then carries the message).
    SessionOutcome endWithoutAsking();

private:
    enum class HistoryUse { Fresh, Kept };
    // Whether the piece that made a change is still held (see ForgivingMode).
    enum class Hold { Released, Held };

    // A change of the level just made by a move: judged, and the bomb restart
    // (in forgiving mode, for a held piece, the warning instead).
    void judgeChange(SessionOutcome& outcome, Hold hold = Hold::Released);
    void restartForBomb(SessionOutcome& outcome);
    void noteLampsAndSolve(const std::vector<PieceLight>& lightsBefore, Verdict verdictBefore,
                           SessionOutcome& outcome);
    SolveReport reportSolve();

    // The held piece is put down (game_session_hold.cpp): a bomb that waited
    // starts the level over. True when it did.
    bool putDownHeld(SessionOutcome& outcome);
    // The position is replaced (undo, a load): nothing is held any more.
    void forgetHold();
    template <typename TurnChange> SessionOutcome turnHeld(Grab target, TurnChange&& turn);
    // A drag or carry moved its piece: one move, however far it goes.
    void countHoldMove();
    void startClock();
    // Where a record stands; (0, 0) for nothing.
    static Cell cellOfRecord(const Level& level, const Grab& grab);
    // A position loaded, restored or restarted: judged afresh, never restarted.
    void judgeAfresh(SessionOutcome& outcome);
    bool restartAfterBomb();
    bool readRestartSource();
    void recordProgress();
    void takeCodedLevel(Level level, LevelOrigin origin, SessionOutcome& outcome);
    void recordGeneratedSolve();
    void hoverAt(PointerCell at, SessionOutcome& outcome);

    template <typename Change> SessionOutcome step(Change&& change);
    SessionOutcome restored(Level level);

    SessionOutcome load(const std::filesystem::path& path, LevelOrigin origin, HistoryUse history);
    SessionOutcome loadFromSeries(std::optional<std::string> path, int indexBefore);
    void takeLoadedLevel(Level level, std::filesystem::path path, LevelOrigin origin);
    void setCommandState(CommandState state, SessionOutcome& outcome);
    void identifySeriesLevel(const std::filesystem::path& path, std::uint64_t hash,
                             LevelOrigin& origin) const;
    void resumeDesign(const SavedGameRecord& record, SessionOutcome& outcome);
    bool mustAskBeforeLeaving(Consent consent) const;

    Result<std::filesystem::path, FileError> playerFile(const std::string& name) const;
    // The level as a position file records it; a design in the editor keeps
    // only the pieces truly in the hand, so nothing is on the board and in
    // the palette at once.
    Level positionToSave() const;
    SessionOutcome saveOnQuit();
    SavedGameRecord savedGameRecord(std::uint64_t fileHash) const;

    SessionFolders m_folders;
    SessionStore& m_store;
    LevelSeries m_series;
    Level m_level;
    Evaluation m_evaluation;
    Grab m_grab;
    BoardCursor m_cursor;
    std::optional<PointerCell> m_pointer;
    // The open undo action is the pointer's drag (not a carry by the keys).
    bool m_isDragging = false;
    UndoHistory m_history;
    CommandState m_state = CommandState::NothingLoaded;
    LevelOrigin m_origin;
    std::filesystem::path m_loadedFile;
    std::uint64_t m_loadedHash = 0;
    // The design as the editor opened it, until it is saved, discarded or
    // replaced.
    std::optional<Level> m_openedDesign;
    // The pieces in the player's hand when the editor opened: its palette
    // counts rows 0..6 the pieces added as well, which a position file must
    // not give to the hand again.
    std::vector<int> m_editorHand;
    // The position taken when the design was played ("Spela laddat spel"):
    // what a bomb or a restart goes back to while it is played.
    std::optional<Level> m_playStart;
    bool m_isTestCopy = false;

    ForgivingMode m_forgiving = ForgivingMode::Off;
    bool m_isBombWaiting = false;
    // The record turned while a bomb waits: its turns are one undo action,
    // open until it is let go.
    std::optional<Grab> m_turnHold;
    bool m_hasToldUndo = false;
    SessionClock m_clock;
    std::chrono::milliseconds m_loadedAt{0};
    int m_moveCount = 0;
    // The drag or carry under way has already counted its move.
    bool m_isHoldCounted = false;
    // The generated level on the board as the store keeps it, while the
    // origin is Generated.
    std::optional<GeneratedRecord> m_generated;
};

} // namespace prismora
