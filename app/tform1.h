// The main window: board, palette, status line and the command column.
#pragma once

#include "app/message_boxes.h"
#include "core/game.h"
#include "core/level_series.h"
#include "core/outcome.h"

#include <QImage>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <filesystem>
#include <functional>
#include <memory>

class QAction;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;

namespace prismora {

class BoardWidget;
class PaletteList;
class ScrollingBanner;

// What the window takes from its surroundings; tests replace each part.
struct FormOptions {
    // The folder of the level series and of every fixed file name, with a
    // trailing '/'. Empty: the folder of the running executable.
    QString programDir;
    // Command-line arguments after the program name; an existing file in the
    // first one is loaded at start-up.
    QStringList arguments;
    // Message boxes and file dialogs; not owned. Null: the Qt dialogs.
    UserDialogs* dialogs = nullptr;
    // Starts an independent copy of the program on a level file. Null: a
    // detached process of our own executable.
    std::function<void(const QString& levelPath)> startProgramCopy;
};

// The window's fixed geometry (client pixels). The top bar spans the whole
// width; under it the board frame and the status bar fill the left part and
// the command column the right part:
//   top bar        (0, 0)    660 x 41, banner 225 x 25 at (8, 8)
//   board frame    (0, 41)   475 x 473, board 451 x 451 at (12, 11) in it
//   status bar     (0, 514)  475 x 41, arrows 50 x 25 at both ends
//   command column (475, 41) 185 x 514
namespace layout {
inline constexpr int ClientWidth = 660;
inline constexpr int ClientHeight = 555;
inline constexpr int BarHeight = 41;
inline constexpr int ColumnWidth = 185;
inline constexpr int LeftWidth = ClientWidth - ColumnWidth;
inline constexpr int BoardFrameHeight = ClientHeight - 2 * BarHeight;
inline constexpr int BoardOffsetX = 12;
inline constexpr int BoardOffsetY = 11;
inline constexpr int ButtonX = 16;
inline constexpr int ButtonWidth = 153;
inline constexpr int ButtonHeight = 25;
} // namespace layout

inline constexpr const char* InitialCaption = "Prismora version";
inline constexpr const char* VersionCaption = "Prismora version 2.52";

class TForm1 : public QWidget {
    Q_OBJECT

public:
    explicit TForm1(FormOptions options, QWidget* parent = nullptr);
    ~TForm1() override;

    Game& game() { return m_game; }
    const QString& programDir() const { return m_programDir; }
    const LevelSeries& levelSeries() const { return m_series; }

    // Loads a level file into the window as every load does: board, palette,
    // name field and caption from the file, play mode, snapshot commands shown
    // and the design commands hidden; the board has been painted and judged
    // when this returns. A missing file changes nothing; a refused file and a
    // load warning are shown in an "Information" box.
    void LoadLevelFile(const QString& path);

    // The components, under the names the game's design gives them.
    QFrame* TopBar = nullptr;
    ScrollingBanner* Banner = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QFrame* BoardFrame = nullptr;
    BoardWidget* PaintBox1 = nullptr;
    QFrame* StatusBar = nullptr;
    QPushButton* CoolBtn4 = nullptr;
    QLabel* Label2 = nullptr;
    QPushButton* CoolBtn3 = nullptr;
    QFrame* CommandColumn = nullptr;
    QPushButton* BitBtn1 = nullptr;
    QPushButton* BitBtn2 = nullptr;
    PaletteList* ListBox1 = nullptr;
    QPushButton* BitBtn6 = nullptr;
    QPushButton* CoolBtn1 = nullptr;
    QPushButton* BitBtn3 = nullptr;
    QPushButton* CoolBtn2 = nullptr;
    QPushButton* BitBtn4 = nullptr;
    QPushButton* BitBtn5 = nullptr;
    QMenu* PopupMenu1 = nullptr;
    QAction* EditLoadedGame = nullptr;
    QAction* PlayLoadedGame = nullptr;

public slots:
    // Series arrows.
    void CoolBtn3Click();
    void CoolBtn4Click();
    // Commands of the right-hand column and the palette's menu.
    void BitBtn1Click();
    void BitBtn2Click();
    void BitBtn3Click();
    void CoolBtn2Click();
    void BitBtn4Click();
    void BitBtn5Click();
    void EditLoadedGameClick();
    void PlayLoadedGameClick();
    // Snapshot and saved position.
    void BitBtn6Click();
    void CoolBtn1Click();
    // Board and palette input.
    void PaintBox1MouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, QPoint pos);
    void PaintBox1MouseDown(Qt::MouseButton button, Qt::MouseButtons buttons,
                            Qt::KeyboardModifiers modifiers, QPoint pos, bool doubleClick);
    void PaintBox1MouseUp(Qt::MouseButton button, Qt::MouseButtons buttons,
                          Qt::KeyboardModifiers modifiers, QPoint pos);
    void FormMouseWheel(int wheelDelta);
    void ListBox1DblClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void buildTopBar();
    void buildBoardArea();
    void buildStatusBar();
    void buildCommandColumn();
    QPushButton* addCommandButton(const char* caption, int top);
    QPushButton* makeButton(const char* caption, QWidget* parent, const QRect& geometry);
    void connectHandlers();
    void centreOnScreen();

    void FormCreate(const QStringList& arguments);
    void showSeriesHint();
    void afterLevelLoaded(const QString& path);
    void PaintBox1Painted(const VerdictResult& verdict);
    void restartAfterBomb();

    bool Edit1KeyPress(const QString& typed);
    void setNameFromField();
    void showDesignCommands(bool shown);
    void showSnapshotCommands(bool shown);
    void refreshBoardAndPalette();
    void refreshPalette();
    bool saveLevelOrReport(const QString& path, bool emptyBoard);
    void selectPaletteRow(int row);
    void scanForHotRecord(QPoint pos);
    void turnHotRecord(int steps);
    void takeWheel(int angleDelta);
    void dropPastEdge();
    void reportBoardFull();

    QString sharedFilePath(const QString& suffix) const;
    QMessageBox::StandardButton ask(const MessageBoxRequest& request);

    QImage m_wallpaper;
    Game m_game;
    LevelSeries m_series;
    QString m_programDir;
    std::unique_ptr<UserDialogs> m_ownDialogs;
    UserDialogs* m_dialogs = nullptr;
    std::function<void(const QString&)> m_startProgramCopy;
    int m_wheelRemainder = 0;
    bool m_bombRestartQueued = false;
    bool m_restartingAfterBomb = false;
};

} // namespace prismora
