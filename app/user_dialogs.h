// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The window's modal questions: message boxes and file dialogs behind one replaceable interface.
#pragma once

#include <QMessageBox>
#include <QString>

#include <optional>

class QWidget;

namespace prismora {

// Everything that decides how a message box looks: the window asks for one
// of these and the dialogs object shows it (or, in tests, answers it).
struct MessageBoxRequest {
    QString caption;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons = QMessageBox::Ok;
};

// "Information" box: exclamation icon, OK.
MessageBoxRequest informationBox(const QString& text);
// "Fråga" box: question icon, Yes and No.
MessageBoxRequest questionBox(const QString& text);
// Error box of a failed operation: the application's name as caption,
// critical icon, OK.
MessageBoxRequest errorBox(const QString& text);

enum class FileDialogMode { Open, Save };

// A level file dialog: initial directory, filter, and for saving the
// extension added to a name typed without one. The save dialog itself never
// asks before replacing a file: the window asks that in a "Fråga" box, so
// the question reads the same everywhere and tests can answer it.
struct FileDialogRequest {
    FileDialogMode mode = FileDialogMode::Open;
    QString directory;
    QString filter;
    QString defaultSuffix;
    // The file name a save dialog offers; empty for none.
    QString fileName;
};

// The filter of every level file dialog.
inline constexpr const char* LevelFileFilter = "Prismora level (*.prl)";

class UserDialogs {
public:
    virtual ~UserDialogs() = default;
    // Shows the box modally and returns the button pressed.
    virtual QMessageBox::StandardButton showMessage(QWidget* parent,
                                                    const MessageBoxRequest& request) = 0;
    // The chosen file's full path, or nothing when the user cancelled.
    virtual std::optional<QString> askFileName(QWidget* parent,
                                               const FileDialogRequest& request) = 0;
};

// The real dialogs: QMessageBox and Qt's own file dialog, with the game's
// button texts (Swedish, or the language loaded) whether or not Qt's own
// translation covers them.
class QtUserDialogs : public UserDialogs {
public:
    QMessageBox::StandardButton showMessage(QWidget* parent,
                                            const MessageBoxRequest& request) override;
    std::optional<QString> askFileName(QWidget* parent, const FileDialogRequest& request) override;
};

} // namespace prismora
