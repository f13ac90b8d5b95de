// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Showing what a session operation did: the one place the window follows the game.
#include "app/main_window.h"

#include "app/clipboard_files.h"
#include "app/generation_runner.h"
#include "app/status_feedback.h"
#include "base/version.h"
#include "view/board_view.h"
#include "view/palette_list.h"
#include "view/translated_text.h"
#include "widgets/gradient_button.h"

#include <QClipboard>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>

namespace prismora {

void MainWindow::perform(const Operation& operation)
{
    // A command calls off a level still being made.
    m_generationRunner->cancel();
    SessionOutcome outcome = operation(Consent::NotAsked);
    if (outcome.question != Question::None) {
        if (!mayGoAhead(outcome)) {
            return;
        }
        outcome = operation(Consent::Given);
    }
    showOutcome(outcome);
}

bool MainWindow::mayGoAhead(const SessionOutcome& outcome)
{
    QString text;
    switch (outcome.question) {
    case Question::LeaveDesign:
        text = tr("Leveln du bygger är inte sparad!\n\nVill du lämna den ändå?");
        break;
    case Question::ReplaceFile:
        text = tr("Filen %1 finns redan.\n\nVill du ersätta den?")
                   .arg(QString::fromStdString(outcome.questionFile.string()));
        break;
    case Question::QuitWithoutSave:
        text = (outcome.message ? translated(outcome.message->detail) : QString()) +
               tr("\n\nVill du avsluta ändå?");
        break;
    case Question::None:
        return true;
    }
    return ask(questionBox(text)) == QMessageBox::Yes;
}

void MainWindow::showOutcome(const SessionOutcome& outcome)
{
    if (outcome.commands) {
        applyCommandState();
    }
    if (outcome.loaded) {
        showCaption();
        m_boardView->setFocus(Qt::OtherFocusReason);
    }
    if (outcome.name) {
        showLevelName();
    }
    if (outcome.palette) {
        refreshPalette();
    }
    if (outcome.selectRow) {
        m_paletteList->selectRow(*outcome.selectRow);
    }
    if (outcome.pointer) {
        showPointer();
    }
    if (outcome.board) {
        // Every change of the position calls off a hint and the passing message.
        cancelHint();
        m_feedback->hide();
        m_boardView->showLevel(&m_session->level(), &m_session->evaluation());
    }
    if (outcome.board || outcome.commands) {
        updateWorkbench();
        showInvitation();
    }
    if (outcome.board || outcome.note != StatusNote::None) {
        showStatus(outcome.note);
    }
    if (outcome.loaded) {
        showLoadedCode();
    }
    if (outcome.series) {
        showSeriesHint();
    }
    showMoveFeedback(outcome);
    showKeyboardCursor();
    if (outcome.message && outcome.question == Question::None) {
        showMessage(*outcome.message);
    }
    if (outcome.focusName) {
        m_levelNameEdit->setFocus(Qt::OtherFocusReason);
    }
    if (outcome.sharedFile) {
        shareFile(QString::fromStdString(outcome.sharedFile->string()));
    }
    if (outcome.startCopyOn) {
        m_startProgramCopy(QString::fromStdString(outcome.startCopyOn->string()));
    }
    if (outcome.close) {
        m_isClosing = true;
        close();
    }
}

void MainWindow::applyCommandState()
{
    const CommandVisibility shown = visibilityOf(m_session->commandState());
    m_openButton->setVisible(shown.open);
    m_saveDesignButton->setVisible(shown.design);
    m_testDesignButton->setVisible(shown.design);
    m_workbenchButton->setVisible(shown.design);
    m_workbenchAction->setEnabled(shown.design);
    m_discardDesignButton->setVisible(shown.discardDesign);
    m_screenshotButton->setVisible(shown.snapshots);
    m_savePositionButton->setVisible(shown.snapshots);
}

void MainWindow::showCaption()
{
    // A level without a file is named by its code.
    const QString file = QString::fromStdString(m_session->loadedFile().empty()
                                                    ? m_session->origin().code
                                                    : m_session->loadedFile().filename().string());
    if (file.isEmpty()) {
        setWindowTitle(tr("Prismora version"));
        return;
    }
    const QString version =
        QString::fromUtf8(Version.data(), static_cast<qsizetype>(Version.size()));
    setWindowTitle(tr("Prismora version") + QLatin1Char(' ') + version +
                   QString(15, QLatin1Char(' ')) + tr("Level laddad: %1").arg(file));
}

void MainWindow::showStatus(StatusNote note)
{
    m_statusNote = note;
    const Evaluation& evaluation = m_session->evaluation();
    if (note == StatusNote::BoardFull) {
        m_statusLabel->setText(tr("Brädet är fullt"));
        return;
    }
    if (note == StatusNote::BombWarning) {
        m_statusLabel->setText(tr("Akta bomben!"));
        return;
    }
    // After a restart the bomb text stands over the verdict of the level started again.
    const Verdict shown = note == StatusNote::Bomb ? Verdict::Bomb : evaluation.verdict;
    switch (shown) {
    case Verdict::Bomb:
        m_statusLabel->setText(tr("BOOOOOOM bara att börja om..."));
        break;
    case Verdict::LampsLeft:
        m_statusLabel->setText(tr("%n lampor kvar att tända", nullptr, evaluation.unlitLamps));
        break;
    case Verdict::Solved:
        m_statusLabel->setText(tr("Grattis! Du klarade det :)"));
        break;
    case Verdict::NoLamps:
        m_statusLabel->setText(tr("Ingen level laddad"));
        break;
    }
}

void MainWindow::showPointer()
{
    if (m_session->grab().isNothing()) {
        m_boardView->unsetCursor();
    } else {
        m_boardView->setCursor(Qt::SizeAllCursor);
    }
}

void MainWindow::showLevelName()
{
    const QSignalBlocker blocker(m_levelNameEdit);
    m_levelNameEdit->setText(QString::fromStdString(m_session->level().name));
}

void MainWindow::refreshPalette()
{
    m_paletteList->showPalette(m_session->level().palette, m_session->level().mode);
}

void MainWindow::showSeriesHint()
{
    const QString hint = QString::fromStdString(m_session->series().hint());
    m_nextLevelButton->setToolTip(hint);
    m_previousLevelButton->setToolTip(hint);
}

void MainWindow::showKeyboardCursor()
{
    const BoardCursor& cursor = m_session->cursor();
    m_boardView->setKeyboardCursor({cursor.column, cursor.row}, m_session->isCarrying()
                                                                    ? CursorLook::Carrying
                                                                    : CursorLook::Free);
}

bool MainWindow::isInviting() const
{
    const Level& shown = m_session->level();
    return m_session->commandState() == CommandState::NothingLoaded && shown.pieces.empty() &&
           shown.sources.empty();
}

void MainWindow::showInvitation()
{
    m_boardView->showInvitation(isInviting() ? tr("Välj nivå (Ctrl+L)") : QString());
}

void MainWindow::showMessage(const SessionMessage& message)
{
    const QString detail = translated(message.detail);
    switch (message.kind) {
    case SessionMessage::Kind::NotWorking:
        ask(informationBox(tr("Du måste först bygga en bana som fungerar!")));
        break;
    case SessionMessage::Kind::BombAtStart:
        ask(informationBox(tr("En bomb smäller redan när spelet börjar, innan någon bit har "
                              "lagts. Flytta kanonen eller bomben så att leveln går att spela!")));
        break;
    case SessionMessage::Kind::NameMissing:
        ask(informationBox(tr("Du måste namnge leveln!")));
        break;
    case SessionMessage::Kind::NotALevel:
        ask(informationBox(
            tr("Filen %1 innehåller ingen bana.").arg(QString::fromStdString(message.path))));
        break;
    case SessionMessage::Kind::FileRefused:
    case SessionMessage::Kind::LoadWarning:
        ask(informationBox(detail));
        break;
    case SessionMessage::Kind::SaveFailed:
        ask(errorBox(detail));
        break;
    }
}

void MainWindow::shareFile(const QString& path, const QImage& picture)
{
    std::unique_ptr<QMimeData> offered = fileDropMimeData({path});
    if (!picture.isNull()) {
        // For the programs that paste a picture but not a file.
        offered->setImageData(picture);
    }
    if (QClipboard* clipboard = QGuiApplication::clipboard()) {
        clipboard->setMimeData(offered.release());
    }
    m_feedback->showMessage(tr("Sparad: %1").arg(QFileInfo(path).fileName()));
}

} // namespace prismora
