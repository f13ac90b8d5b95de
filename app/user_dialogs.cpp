// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Qt message boxes and file dialogs with the game's own texts.
#include "app/user_dialogs.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QFileDialog>

namespace prismora {

namespace {

QString dialogText(const char* source)
{
    return QCoreApplication::translate("prismora::UserDialogs", source);
}

} // namespace

MessageBoxRequest informationBox(const QString& text)
{
    return {dialogText(QT_TRANSLATE_NOOP("prismora::UserDialogs", "Information")), text,
            QMessageBox::Warning, QMessageBox::Ok};
}

MessageBoxRequest questionBox(const QString& text)
{
    return {dialogText(QT_TRANSLATE_NOOP("prismora::UserDialogs", "Fråga")), text,
            QMessageBox::Question, QMessageBox::Yes | QMessageBox::No};
}

MessageBoxRequest errorBox(const QString& text)
{
    return {QCoreApplication::applicationName(), text, QMessageBox::Critical, QMessageBox::Ok};
}

namespace {

struct ButtonText {
    QMessageBox::StandardButton button;
    const char* text;
};

// The standard buttons in the game's words; set explicitly because the
// installed Qt translation may not cover the platform theme's button texts.
constexpr ButtonText StandardButtons[] = {
    {QMessageBox::Ok, QT_TRANSLATE_NOOP("prismora::UserDialogs", "OK")},
    {QMessageBox::Yes, QT_TRANSLATE_NOOP("prismora::UserDialogs", "Ja")},
    {QMessageBox::No, QT_TRANSLATE_NOOP("prismora::UserDialogs", "Nej")},
    {QMessageBox::Cancel, QT_TRANSLATE_NOOP("prismora::UserDialogs", "Avbryt")},
};

} // namespace

QMessageBox::StandardButton QtUserDialogs::showMessage(QWidget* parent,
                                                       const MessageBoxRequest& request)
{
    QMessageBox box(request.icon, request.caption, request.text, request.buttons, parent);
    for (const ButtonText& entry : StandardButtons) {
        if (QAbstractButton* button = box.button(entry.button)) {
            button->setText(dialogText(entry.text));
        }
    }
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

std::optional<QString> QtUserDialogs::askFileName(QWidget* parent, const FileDialogRequest& request)
{
    const bool isSave = request.mode == FileDialogMode::Save;
    const QString accept = isSave ? dialogText(QT_TRANSLATE_NOOP("prismora::UserDialogs", "Spara"))
                                  : dialogText(QT_TRANSLATE_NOOP("prismora::UserDialogs", "Öppna"));
    QFileDialog dialog(parent,
                       isSave ? dialogText(QT_TRANSLATE_NOOP("prismora::UserDialogs", "Spara som"))
                              : accept,
                       request.directory, request.filter);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(isSave ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(isSave ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (isSave) {
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
        dialog.setDefaultSuffix(request.defaultSuffix);
        if (!request.fileName.isEmpty()) {
            dialog.selectFile(request.fileName);
        }
    }
    dialog.setLabelText(QFileDialog::LookIn,
                        dialogText(QT_TRANSLATE_NOOP("prismora::UserDialogs", "Leta i:")));
    dialog.setLabelText(QFileDialog::FileName,
                        dialogText(QT_TRANSLATE_NOOP("prismora::UserDialogs", "Filnamn:")));
    dialog.setLabelText(QFileDialog::FileType,
                        dialogText(QT_TRANSLATE_NOOP("prismora::UserDialogs", "Filformat:")));
    dialog.setLabelText(QFileDialog::Accept, accept);
    dialog.setLabelText(QFileDialog::Reject,
                        dialogText(QT_TRANSLATE_NOOP("prismora::UserDialogs", "Avbryt")));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().constFirst();
}

} // namespace prismora
