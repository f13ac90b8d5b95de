// The game between the rules and the window: the level on the board, where it came from, undo,
// and every operation of a player or designer, each answered with one outcome.
#pragma once

#include "core/board_cursor.h"
#include "core/command_state.h"
#include "core/evaluation.h"
#include "core/level.h"
#include "core/level_origin.h"
#include "core/level_series.h"
#include "core/play.h"
#include "core/pointer_cell.h"
#include "core/session_outcome.h"
#include "core/session_store.h"
#include "core/undo_history.h"

#include "base/file_replacement.h"
#include "base/result.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace prismora {

// The name field's text before anything is loaded.
inline constexpr const char* InitialLevelName = "(no name)";
// Files in the player's folder.
inline constexpr const char* SavedGameFileName = "currentlevel.prl";
inline constexpr const char* TestCopyFileName = "speltest.prl";

// A pointer move with the left button alone held drags; any other is a hover.
enum class PointerMove { Hover, Drag };

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
//   starts the level over from its restart source (the file loaded last, or
//   the position taken when a design was played), once per action: a
//   restarted position that itself hits a bomb is shown with the bomb text;
// - every finished action is one undo step; loads and changes of the command
//   state start a fresh history, a restart is a step;
// - nothing made is dropped without a question or a save: a design changed
//   since the editor opened it is asked about before a load, a new design or
//   quitting replaces it, and quitting saves an unfinished position;
// - a design is saved or tested only when every lamp on it is lit and its
//   start position (the pieces to place in the hand) sets off no bomb.
class GameSession {
public:
    GameSession(SessionFolders folders, SessionStore& store);

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

private:
    enum class HistoryUse { Fresh, Kept };

    // A change of the level just made by a move: judged, and the bomb restart.
    void judgeChange(SessionOutcome& outcome);
    // A position loaded, restored or restarted: judged afresh, never restarted.
    void judgeAfresh(SessionOutcome& outcome);
    bool restartAfterBomb();
    bool readRestartSource();
    void recordProgress();
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
};

} // namespace prismora
