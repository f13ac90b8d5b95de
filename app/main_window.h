// The main window: board, palette, status line, the command column, and the game they show.
#pragma once

#include "app/command_state.h"
#include "app/user_dialogs.h"
#include "core/board_cursor.h"
#include "core/evaluation.h"
#include "core/level.h"
#include "core/level_file.h"
#include "core/level_series.h"
#include "core/play.h"
#include "core/undo_history.h"

#include <QImage>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

class QAction;
class QFrame;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QMenu;
class QTimer;

namespace prismora {

class BoardView;
class GradientButton;
class HelpDialog;
class HintRunner;
struct Hint;
class PaletteList;
class ProgressStore;
class ScrollingBanner;
class StatusFeedback;

// The window owns the level being played or designed. Each user action is
// turned into a play rule of core/play on the level; the window then
// evaluates the level, repaints the board and the palette and shows the
// verdict in the status line. The widgets are private; tests find them by
// object name (see main_window.cpp).
class MainWindow : public QWidget {
    Q_OBJECT

public:
    // What the window takes from its surroundings; tests replace each part.
    struct Options {
        // The folder of the level series, and the folder of every file the
        // player makes and where the file dialogs start. Empty: decided from
        // the running executable's folder (see findStorageFolders).
        QString seriesFolder;
        QString playerFolder;
        // Command-line arguments after the program name; an existing file in
        // the first one (or the one after "--") is loaded at start-up.
        QStringList arguments;
        // Message boxes and file dialogs; not owned. Null: the Qt dialogs.
        UserDialogs* dialogs = nullptr;
        // Starts an independent copy of the program on a level file. Null: a
        // detached process of our own executable.
        std::function<void(const QString& levelPath)> startProgramCopy;
        // The settings file that remembers solved levels. Empty: the
        // player's own settings in the XDG config folder.
        QString settingsFile;
    };

    explicit MainWindow(Options options, QWidget* parent = nullptr);
    ~MainWindow() override;

    const Level& level() const { return m_level; }
    const Evaluation& evaluation() const { return m_evaluation; }
    // What the pointer has hold of.
    const Grab& grab() const { return m_grab; }
    // The keyboard's cell and what it carries.
    const BoardCursor& keyboardCursor() const { return m_keyboardCursor; }
    const LevelSeries& levelSeries() const { return m_series; }
    const QString& playerFolder() const { return m_playerFolder; }

    // Loads a level file as every load does: level, palette, name field and
    // caption from the file, play mode, the snapshot commands offered; the
    // level is judged when this returns. A missing file changes nothing; a
    // refused file and a load warning are shown in an "Information" box.
    void loadLevelFile(const QString& path);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    // Construction (main_window.cpp).
    void buildTopBar();
    void buildBoardArea();
    void buildStatusBar();
    void buildCommandColumn();
    void connectSignals();
    void centreOnScreen();
    GradientButton* makeButton(const char* caption, QWidget* parent, const QRect& geometry);
    GradientButton* addCommandButton(const char* caption, int top);

    // Start-up, loading and the series (startup_and_series.cpp).
    void startUp(const QStringList& arguments);
    void showSeriesHint();
    void goToNextLevel();
    void goToPreviousLevel();
    bool readLevelFile(const QString& path);
    void takeLoadedLevel(LoadedLevel loaded, const QString& path);
    void restartAfterBomb();

    // Showing the game after a change (main_window.cpp).
    void setCommandState(CommandState state);
    void refreshBoard();
    void refreshPalette();
    void showLevelName();

    // Commands of the column, the palette's menu and the name field (commands.cpp).
    void openLevel();
    void startNewDesign();
    void saveDesign();
    void testDesign();
    void discardDesign();
    void editLoadedLevel();
    void playLoadedLevel();
    void quit();
    bool saveLevelOrReport(const QString& path, SaveLayout layout);
    // A design is saved or tested only when every lamp on it is lit, and it has one.
    bool isWorkingDesign() const;
    // Asks before a command drops a design changed since the editor opened it.
    bool mayLeaveDesign();
    // Asks before a save replaces an existing file.
    bool mayReplace(const QString& path);
    bool filterNameKey(const QString& typed);
    QMessageBox::StandardButton ask(const MessageBoxRequest& request);

    // Sharing a result (snapshot.cpp).
    void takeScreenshot();
    void savePosition();
    QString sharedFilePath(const QString& suffix) const;
    // A file in the player's folder, which is created when it is missing.
    QString playerFile(const QString& name) const;
    // The file in the player's folder that "Testa spel..." writes and starts
    // the copy of the game on.
    static constexpr const char* TestCopyFileName = "speltest.prl";

    // Board and palette input (board_input.cpp).
    void onBoardMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, QPoint pos);
    void onBoardPress(Qt::MouseButton button, Qt::MouseButtons buttons,
                      Qt::KeyboardModifiers modifiers, QPoint pos, bool doubleClick);
    void onBoardRelease();
    void onWheelNotch(int delta);
    void takeWheel(int angleDelta);
    void takeSelectedPiece();
    void showTakeResult(TakeResult result);
    void grabUnderPointer(QPoint pos);
    void selectPaletteRow(int row);

    // Keyboard play on the board and the palette (keyboard_input.cpp).
    void buildKeyboardShortcuts();
    bool handleBoardKey(const QKeyEvent& event);
    bool handlePaletteKey(const QKeyEvent& event);
    void moveByKey(int columnStep, int rowStep);
    void pickUpOrPutDownByKey();
    void turnByKey(Turn turn);
    void giveBackByKey();
    void takeIntoHandByKey(int row);
    void showKeyboardCursor();

    // Undo, redo and restart (undo_commands.cpp).
    void buildUndoActions();
    void undoStep();
    void redoStep();
    void restartLevel();
    void showRestoredLevel(Level level);
    void offerUndoCommands();

    // The hint, the colour-blind aid and the help (aid_commands.cpp).
    void buildAidActions();
    void requestHint();
    void showHint(const Hint& hint);
    void cancelHint();
    void setColourAid(bool isOn);
    void openHelp();

    // The level chooser and the player's progress (level_choice.cpp).
    void buildChooseLevelButton();
    void openLevelChooser();
    void goToSeriesLevel(int index);
    void continueSavedGame();
    void rememberLevelFile(const QString& path, std::uint64_t contentHash);
    void recordProgressIfSolved();

    // What follows every load, board refresh and change of command state
    // for undo, the keyboard, progress and the passing message (after_changes.cpp).
    void afterLevelTaken(const QString& path, std::uint64_t contentHash);
    void afterBoardRefresh();
    void leaveCommandState(CommandState next);
    void startFreshHistory();

    QImage m_wallpaper;
    Level m_level;
    Evaluation m_evaluation;
    Grab m_grab;
    CommandState m_commandState = CommandState::NothingLoaded;
    LevelSeries m_series;
    QString m_seriesFolder;
    QString m_playerFolder;
    QString m_currentLevelFile;
    // The design as the editor opened it, until it is saved, discarded or
    // replaced by a load; changes since then are not kept anywhere.
    std::optional<Level> m_openedDesign;
    // Started on the player's speltest.prl by "Testa spel...": "Avsluta"
    // leaves currentlevel.prl alone.
    bool m_isTestCopy = false;
    std::unique_ptr<UserDialogs> m_ownDialogs;
    UserDialogs* m_dialogs = nullptr;
    std::function<void(const QString&)> m_startProgramCopy;
    int m_wheelRemainder = 0;
    UndoHistory m_history;
    BoardCursor m_keyboardCursor;
    std::unique_ptr<ProgressStore> m_progress;
    // The file the level being played came from, which a restart reads
    // again, and its progress key when it is a series level; both empty while
    // nothing is loaded or a design is played.
    QString m_playedFile;
    std::string m_progressKey;

    QFrame* m_topBar = nullptr;
    ScrollingBanner* m_banner = nullptr;
    QLabel* m_nameCaption = nullptr;
    QLineEdit* m_levelNameEdit = nullptr;
    GradientButton* m_chooseLevelButton = nullptr;
    QFrame* m_boardFrame = nullptr;
    BoardView* m_boardView = nullptr;
    QFrame* m_statusBar = nullptr;
    GradientButton* m_previousLevelButton = nullptr;
    QLabel* m_statusLabel = nullptr;
    StatusFeedback* m_feedback = nullptr;
    GradientButton* m_nextLevelButton = nullptr;
    QFrame* m_commandColumn = nullptr;
    GradientButton* m_openButton = nullptr;
    GradientButton* m_newDesignButton = nullptr;
    PaletteList* m_paletteList = nullptr;
    GradientButton* m_screenshotButton = nullptr;
    GradientButton* m_savePositionButton = nullptr;
    GradientButton* m_saveDesignButton = nullptr;
    GradientButton* m_testDesignButton = nullptr;
    GradientButton* m_discardDesignButton = nullptr;
    GradientButton* m_quitButton = nullptr;
    QMenu* m_paletteMenu = nullptr;
    QAction* m_editLoadedAction = nullptr;
    QAction* m_playLoadedAction = nullptr;
    QAction* m_undoAction = nullptr;
    QAction* m_redoAction = nullptr;
    QAction* m_restartAction = nullptr;
    QAction* m_hintAction = nullptr;
    QAction* m_colourAidAction = nullptr;
    QAction* m_helpAction = nullptr;
    HintRunner* m_hintRunner = nullptr;
    QTimer* m_hintTimer = nullptr;
    // The position the running search is for; an answer for another is dropped.
    Level m_hintLevel;
    HelpDialog* m_helpDialog = nullptr;
};

} // namespace prismora
