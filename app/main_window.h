// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window: board, palette, status line and command column around one game session.
#pragma once

#include "app/language.h"
#include "app/sound_player.h"
#include "app/user_dialogs.h"
#include "core/game_session.h"

#include <QImage>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <atomic>
#include <functional>
#include <memory>
#include <vector>

class QAction;
class QActionGroup;
class QCloseEvent;
class QDragEnterEvent;
class QDropEvent;
class QFrame;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QMenu;
class QTimer;

namespace prismora {

class BoardView;
struct ChooserGenerated;
class GenerationRunner;
class GradientButton;
class HelpDialog;
class HintRunner;
struct Hint;
class PaletteList;
class ProgressStore;
class ScrollingBanner;
class StatusFeedback;
class Workbench;

// A shell around its GameSession: each user action becomes one session
// operation, and its outcome is shown in one place (showOutcome): the board,
// the palette, the status line, the commands on offer, the questions and the
// messages. The widgets are private; tests find them by object name (see
// main_window.cpp).
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
        // Start with a new design in the editor ("--editor").
        bool startInEditor = false;
        // Message boxes and file dialogs; not owned. Null: the Qt dialogs.
        UserDialogs* dialogs = nullptr;
        // Starts an independent copy of the program on a level file. Null: a
        // detached process of our own executable.
        std::function<void(const QString& levelPath)> startProgramCopy;
        // The settings file that remembers solved levels. Empty: the
        // player's own settings in the XDG config folder.
        QString settingsFile;
        // Plays one of the game's sounds. Null: Qt Multimedia (silent where
        // there is no sound device or server).
        std::function<void(GameSound)> playSound;
        // Makes generated levels on a worker thread. Null: generateLevel.
        using Generator = std::function<Result<GeneratedLevel, GenerateFailure>(
            const SeedCode&, const std::atomic<bool>*)>;
        Generator generator;
        // Where Ctrl+C writes the level file it puts on the clipboard.
        // Empty: "copied" in the user's cache folder for the game.
        QString copyFolder;
    };

    explicit MainWindow(Options options, QWidget* parent = nullptr);
    ~MainWindow() override;

    const GameSession& session() const { return *m_session; }
    const Level& level() const { return m_session->level(); }
    const Evaluation& evaluation() const { return m_session->evaluation(); }
    QString playerFolder() const;

    // Loads a level file as "Ladda spel..." does, asking first when a
    // changed design would be dropped.
    void loadLevelFile(const QString& path);
    // Opens a seed code (generating its level) or a level code, as "Ange kod" does.
    void openCode(const QString& text);
    // True while a generated level is being made.
    bool isGenerating() const;
    // The system is ending the game: what is unsaved is kept as the saved
    // game without a question, and every event loop ends, a box's too.
    void endWithoutAsking();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    using Operation = std::function<SessionOutcome(Consent)>;

    // Construction (main_window.cpp).
    void buildTopBar();
    void buildBoardArea();
    void buildStatusBar();
    void buildCommandColumn();
    void connectSignals();
    void centreOnScreen();
    GradientButton* makeButton(const QString& caption, QWidget* parent, const QRect& geometry);
    GradientButton* addCommandButton(const QString& caption, int top);

    // Every caption, tooltip and accessible name in the language loaded, at
    // construction and again on a change of language (window_texts.cpp).
    void showTexts();

    // Showing what an operation did (show_outcome.cpp).
    void perform(const Operation& operation);
    void showOutcome(const SessionOutcome& outcome);
    void applyCommandState();
    void showCaption();
    void showStatus(StatusNote note);
    void showPointer();
    void showLevelName();
    void refreshPalette();
    void showSeriesHint();
    void showKeyboardCursor();
    // On the empty board at first start: what to do, and a click opens "Välj nivå".
    bool isInviting() const;
    void showInvitation();
    void showMessage(const SessionMessage& message);
    bool mayGoAhead(const SessionOutcome& outcome);
    // The file on the clipboard, with its picture (image/png and the like) when given.
    void shareFile(const QString& path, const QImage& picture = QImage());

    // Start-up and the series (startup_and_series.cpp).
    void startUp(const Options& options);
    void goToNextLevel();
    void goToPreviousLevel();

    // Commands of the column, the palette's menu and the name field (commands.cpp).
    void openLevel();
    void startNewDesign();
    void saveDesign();
    void testDesign();
    void discardDesign();
    void editLoadedLevel();
    void playLoadedLevel();
    void quit();
    bool filterNameKey(const QString& typed);
    QMessageBox::StandardButton ask(const MessageBoxRequest& request);

    // Sharing a result (snapshot.cpp).
    void takeScreenshot();
    void savePosition();

    // Board and palette input (board_input.cpp).
    void onBoardMove(PointerCell cell, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers);
    void onBoardPress(PointerCell cell, Qt::MouseButton button, Qt::MouseButtons buttons,
                      Qt::KeyboardModifiers modifiers, bool doubleClick);
    void onBoardRelease();
    void takeWheel(int angleDelta);
    void takeSelectedPiece();

    // Keyboard play on the board and the palette (keyboard_input.cpp).
    void buildKeyboardShortcuts();
    bool handleBoardKey(const QKeyEvent& event);
    bool handlePaletteKey(const QKeyEvent& event);

    // Undo, redo and restart (undo_commands.cpp).
    void buildUndoActions();
    void offerUndoCommands();

    // The hint, the colour-blind aid and the help (aid_commands.cpp).
    void buildAidActions();
    void requestHint();
    void showHint(const Hint& hint);
    void cancelHint();
    void setColourAid(bool isOn);
    void openHelp();

    // Forgiving mode, animations and sound (feedback_settings.cpp).
    void buildFeedbackActions();
    void setForgivingMode(bool isOn);
    void setAnimationsOn(bool isOn);
    void setSoundOn(bool isOn);
    void play(GameSound sound);

    // Sounds, animations and the words after a move (move_feedback.cpp).
    void showMoveFeedback(const SessionOutcome& outcome);
    void showPieceFeedback(const PieceEvent& event);
    void showSolve(const SolveReport& report);
    // Enter while the next level is offered goes there; false when it is not.
    bool takeOfferedNextLevel();
    // The designer's workbench (workbench_commands.cpp).
    void buildWorkbench();
    void setWorkbenchOpen(bool isOpen);
    void updateWorkbench();
    // The "Språk" menu: Svenska, English or the system's (language_commands.cpp).
    void buildLanguageMenu();
    void chooseLanguage(LanguageChoice choice);

    // The level chooser (level_choice.cpp).
    void buildChooseLevelButton();
    void openLevelChooser();

    // Generated levels and codes (generated_levels.cpp).
    void buildGenerationRunner(std::function<Result<GeneratedLevel, GenerateFailure>(
                                   const SeedCode&, const std::atomic<bool>*)>
                                   generator);
    void generateForTier(int tier);
    void generateDaily();
    void generateFrom(const SeedCode& code, PuzzleKind kind);
    void takeGenerated(PuzzleKind kind, const Result<GeneratedLevel, GenerateFailure>& outcome);
    void showLoadedCode();
    void reportCodeError(CodeError error, const QString& text);
    std::vector<ChooserGenerated> chooserGenerated() const;
    void openRemembered(int index);

    // Copy, paste and drop (level_clipboard.cpp).
    void buildClipboardActions(const QString& copyFolder);
    void copyLevel();
    void pasteLevel();

    QImage m_wallpaper;
    std::unique_ptr<ProgressStore> m_progress;
    std::unique_ptr<GameSession> m_session;
    std::unique_ptr<UserDialogs> m_ownDialogs;
    UserDialogs* m_dialogs = nullptr;
    std::function<void(const QString&)> m_startProgramCopy;
    int m_wheelRemainder = 0;
    // What the status line shows besides the verdict, kept for a change of language.
    StatusNote m_statusNote = StatusNote::None;
    // Set once the session has agreed to close: the close event then goes through.
    bool m_isClosing = false;

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
    Workbench* m_workbench = nullptr;
    GradientButton* m_workbenchButton = nullptr;
    QAction* m_workbenchAction = nullptr;
    QAction* m_undoAction = nullptr;
    QAction* m_redoAction = nullptr;
    QAction* m_restartAction = nullptr;
    QAction* m_hintAction = nullptr;
    QAction* m_colourAidAction = nullptr;
    QAction* m_helpAction = nullptr;
    QMenu* m_languageMenu = nullptr;
    QActionGroup* m_languageGroup = nullptr;
    HintRunner* m_hintRunner = nullptr;
    QTimer* m_hintTimer = nullptr;
    // The position the running search is for; an answer for another is dropped.
    Level m_hintLevel;
    HelpDialog* m_helpDialog = nullptr;

    QAction* m_forgivingAction = nullptr;
    QAction* m_animationsAction = nullptr;
    QAction* m_soundAction = nullptr;
    std::function<void(GameSound)> m_playSound;
    // Runs while "Nästa bana: Enter" is offered after a solve.
    QTimer* m_nextLevelOffer = nullptr;
    GenerationRunner* m_generationRunner = nullptr;
    QString m_copyFolder;
};

} // namespace prismora
