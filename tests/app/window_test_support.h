// Helpers for driving the game window in tests: scripted dialogs, a temporary program folder, mouse
// input.
#pragma once

#include "app/message_boxes.h"
#include "app/tform1.h"

#include <QEvent>
#include <QTemporaryDir>

#include <deque>
#include <memory>
#include <optional>
#include <vector>

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

    TForm1& form() { return *m_form; }
    Board& board() { return m_form->game().board; }
    Palette& palette() { return m_form->game().palette; }
    QString path(const QString& fileName) const;
    void writeFile(const QString& fileName, const QString& text) const;

    ScriptedDialogs dialogs;
    QStringList startedCopies;

private:
    QTemporaryDir m_dir;
    std::unique_ptr<TForm1> m_form;
};

// Level file text from lines (CR LF line ends, as the game writes them).
QString LevelText(const QStringList& lines);

// The centre of a board cell, in board pixels.
QPoint CellPoint(int column, int row);

// Mouse input on a widget, delivered at once.
void SendMouse(QWidget* widget, QEvent::Type type, QPoint pos, Qt::MouseButton button,
               Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
// Hover onto `from`, press the left button, move to `to` and release.
void DragOnBoard(TForm1& form, QPoint from, QPoint to);
void RightClickOnBoard(TForm1& form, QPoint pos);
void WheelOnBoard(TForm1& form, int angleDelta);
// Selects a palette row with a click and double-clicks it.
void DoubleClickPaletteRow(TForm1& form, int row);

} // namespace prismora::windowtest
