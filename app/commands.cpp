// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The commands of the right-hand column, the palette's menu and the level name field.
#include "app/main_window.h"

#include "core/file_names.h"
#include "view/board_view.h"
#include "view/palette_list.h"
#include "view/translated_text.h"

#include <QCoreApplication>

namespace prismora {

bool MainWindow::filterNameKey(const QString& typed)
{
    // Typed characters that cannot stand in a file name are swallowed;
    // pasted text is taken as it is.
    for (const char32_t character : typed.toUcs4()) {
        if (isForbiddenFileNameChar(character)) {
            return true;
        }
    }
    return false;
}

void MainWindow::openLevel()
{
    // Asked before the dialog, so that a "No" leaves the design at once.
    SessionOutcome leaving;
    leaving.question = Question::LeaveDesign;
    if (m_session->isDesignChanged() && !mayGoAhead(leaving)) {
        return;
    }
    const FileDialogRequest request{FileDialogMode::Open, playerFolder(),
                                    tr("Prismora level (*.prl)"), QString(), QString()};
    if (const std::optional<QString> path = m_dialogs->askFileName(this, request)) {
        showOutcome(
            m_session->openFile(std::filesystem::path(path->toStdString()), Consent::Given));
    }
}

void MainWindow::startNewDesign()
{
    perform([this](Consent consent) { return m_session->newDesign(consent); });
}

void MainWindow::saveDesign()
{
    if (const SessionOutcome refused = m_session->checkDesign(); refused.message) {
        showOutcome(refused);
        return;
    }
    // The name comes first, so that the file dialog can offer it as the file name.
    const std::string& name = m_session->level().name;
    if (name.empty() || name == InitialLevelName) {
        SessionOutcome missing;
        missing.message = SessionMessage{SessionMessage::Kind::NameMissing, {}, {}};
        missing.focusName = true;
        showOutcome(missing);
        return;
    }
    if (ask(questionBox(tr("När du sparar leveln så kan du inte redigera den längre!\n\n"
                           "Vill du spara nu?"))) != QMessageBox::Yes) {
        return;
    }
    m_boardView->setPaintingEnabled(false);
    m_paletteList->setPaintingEnabled(false);
    const FileDialogRequest request{
        FileDialogMode::Save, playerFolder(), tr("Prismora level (*.prl)"), QStringLiteral("prl"),
        QString::fromStdString(cleanFileName(name)) + QStringLiteral(".prl")};
    const std::optional<QString> path = m_dialogs->askFileName(this, request);
    m_boardView->setPaintingEnabled(true);
    m_paletteList->setPaintingEnabled(true);
    if (path) {
        perform([this, &path](Consent consent) {
            return m_session->saveDesign(std::filesystem::path(path->toStdString()), consent);
        });
    }
}

void MainWindow::testDesign() { showOutcome(m_session->testDesign()); }

void MainWindow::discardDesign() { showOutcome(m_session->discardDesign()); }

void MainWindow::editLoadedLevel() { showOutcome(m_session->editLoaded()); }

void MainWindow::playLoadedLevel() { showOutcome(m_session->playLoaded()); }

void MainWindow::quit()
{
    perform([this](Consent consent) { return m_session->quit(consent); });
}

void MainWindow::endWithoutAsking()
{
    const SessionOutcome outcome = m_session->endWithoutAsking();
    if (outcome.message) {
        // No box could be answered now; a terminal the game was started from still shows this.
        qWarning("%s", qPrintable(translated(outcome.message->detail)));
    }
    m_isClosing = true;
    QCoreApplication::exit(0);
}

QMessageBox::StandardButton MainWindow::ask(const MessageBoxRequest& request)
{
    return m_dialogs->showMessage(this, request);
}

} // namespace prismora
