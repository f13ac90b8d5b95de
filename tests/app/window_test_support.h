// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Helpers for driving the game window in tests: scripted dialogs, a temporary program folder,
// the window's parts by name, mouse input.
#pragma once

#include "app/main_window.h"
#include "app/user_dialogs.h"

#include <QEvent>
#include <QTemporaryDir>

#include <deque>
#include <memory>
#include <optional>
#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;

namespace prismora {
class BoardView;
class PaletteList;
} // namespace prismora

namespace prismora::windowtest {

// Answers message boxes and file dialogs from queues and records every one.
// With an empty queue a box is answered with its first button (OK, or No
// for a question) and a file dialog is cancelled.
class ScriptedDialogs : public UserDialogs {
public:
    QMessageBox::StandardButton showMessage(QWidget* parent,
                                            const MessageBoxRequest& request) override;
    std::optional<QString> askFileName(QWidget* parent, const FileDialogRequest& request) override;

    std::deque<QMessageBox::StandardButton> answers;
    // Paths the file dialogs return in turn; an empty one cancels.
    std::deque<QString> files;
    std::vector<MessageBoxRequest> boxes;
    std::vector<FileDialogRequest> fileDialogs;
};

// A shown main window on a fresh temporary program folder.
class WindowHarness {
public:
    // Files to place in the folder before the window starts, and the
    // command-line arguments it starts with.
    explicit WindowHarness(const std::vector<std::pair<QString, QString>>& files = {},
                           const QStringList& arguments = {});
    ~WindowHarness();

    MainWindow& window() { return *m_window; }
    const Level& level() const { return m_window->level(); }
    int pieceCount() const { return static_cast<int>(level().pieces.size()); }
    int count(int paletteRow) const { return paletteCount(level(), paletteRow); }
    QString path(const QString& fileName) const;
    void writeFile(const QString& fileName, const QString& text) const;
    MainWindow::Options options(const QStringList& arguments = {});

    ScriptedDialogs dialogs;
    QStringList startedCopies;
    // Every sound the window played, in order.
    std::vector<GameSound> sounds;

private:
    QTemporaryDir m_dir;
    std::unique_ptr<MainWindow> m_window;
};

// The window's parts, found by object name.
BoardView* boardView(MainWindow& window);
PaletteList* paletteList(MainWindow& window);
QLabel* statusLabel(MainWindow& window);
QLineEdit* levelNameEdit(MainWindow& window);
QPushButton* button(MainWindow& window, const char* objectName);
// "Redigera laddat spel" and "Spela laddat spel" of the palette's menu.
void triggerEditLoaded(MainWindow& window);
void triggerPlayLoaded(MainWindow& window);
void click(MainWindow& window, const char* buttonName);

// Level file text from lines (CR LF line ends, as the game writes them).
QString levelText(const QStringList& lines);

// The centre of a board cell, in board pixels.
QPoint cellPoint(int column, int row);

// Mouse input on a widget, delivered at once.
void sendMouse(QWidget* widget, QEvent::Type type, QPoint pos, Qt::MouseButton button,
               Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
// Hover onto `from`, press the left button, move to `to` and release.
void dragOnBoard(MainWindow& window, QPoint from, QPoint to);
void rightClickOnBoard(MainWindow& window, QPoint pos);
void wheelOnBoard(MainWindow& window, int angleDelta);
// Selects a palette row with a click and double-clicks it.
void doubleClickPaletteRow(MainWindow& window, int row);

} // namespace prismora::windowtest
