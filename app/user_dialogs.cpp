// Qt message boxes and file dialogs with Swedish texts.
#include "app/user_dialogs.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QFileDialog>

namespace prismora {

MessageBoxRequest informationBox(const QString& text)
{
    return {QStringLiteral("Information"), text, QMessageBox::Warning, QMessageBox::Ok};
}

MessageBoxRequest questionBox(const QString& text)
{
    return {QStringLiteral("Fråga"), text, QMessageBox::Question,
            QMessageBox::Yes | QMessageBox::No};
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

// The Swedish standard buttons; set explicitly because the installed Qt
// translation may not cover the platform theme's button texts.
constexpr ButtonText SwedishButtons[] = {
    {QMessageBox::Ok, "OK"},
    {QMessageBox::Yes, "Ja"},
    {QMessageBox::No, "Nej"},
    {QMessageBox::Cancel, "Avbryt"},
};

} // namespace

QMessageBox::StandardButton QtUserDialogs::showMessage(QWidget* parent,
                                                       const MessageBoxRequest& request)
{
    QMessageBox box(request.icon, request.caption, request.text, request.buttons, parent);
    for (const ButtonText& entry : SwedishButtons) {
        if (QAbstractButton* button = box.button(entry.button)) {
            button->setText(QString::fromUtf8(entry.text));
        }
    }
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

std::optional<QString> QtUserDialogs::askFileName(QWidget* parent, const FileDialogRequest& request)
{
    const bool isSave = request.mode == FileDialogMode::Save;
    QFileDialog dialog(parent, isSave ? QStringLiteral("Spara som") : QStringLiteral("Öppna"),
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
    dialog.setLabelText(QFileDialog::LookIn, QStringLiteral("Leta i:"));
    dialog.setLabelText(QFileDialog::FileName, QStringLiteral("Filnamn:"));
    dialog.setLabelText(QFileDialog::FileType, QStringLiteral("Filformat:"));
    dialog.setLabelText(QFileDialog::Accept,
                        isSave ? QStringLiteral("Spara") : QStringLiteral("Öppna"));
    dialog.setLabelText(QFileDialog::Reject, QStringLiteral("Avbryt"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().constFirst();
}

} // namespace prismora
