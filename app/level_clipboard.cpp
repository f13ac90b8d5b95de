// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Copy, paste and drop: the level as a code and as a file on the clipboard, and back again.
#include "app/main_window.h"

#include "app/clipboard_files.h"
#include "app/status_feedback.h"
#include "core/file_names.h"
#include "core/level_code.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMimeData>
#include <QStandardPaths>

namespace prismora {
namespace {

// The first local file a drag or the clipboard offers, or an empty text.
QString firstLocalFile(const QMimeData& offered)
{
    for (const QUrl& url : offered.urls()) {
        if (url.isLocalFile()) {
            return url.toLocalFile();
        }
    }
    return {};
}

} // namespace

void MainWindow::buildClipboardActions(const QString& copyFolder)
{
    m_copyFolder = copyFolder;
    if (m_copyFolder.isEmpty()) {
        m_copyFolder = QStandardPaths::writableLocation(QStandardPaths::CacheLocation) +
                       QStringLiteral("/copied");
    }
    // Window shortcuts: a focused name field takes its own copy and paste first.
    const std::pair<QKeySequence::StandardKey, void (MainWindow::*)()> keys[] = {
        {QKeySequence::Copy, &MainWindow::copyLevel},
        {QKeySequence::Paste, &MainWindow::pasteLevel},
    };
    for (const auto& [key, command] : keys) {
        auto* action = new QAction(this);
        action->setShortcut(key);
        addAction(action);
        connect(action, &QAction::triggered, this, command);
    }
    setAcceptDrops(true);
}

void MainWindow::copyLevel()
{
    const SharedLevel shared = m_session->sharedLevel();
    const QString code =
        QString::fromStdString(encodeLevelCode(levelAsSaved(shared.level, shared.layout)));
    QStringList files;
    // The file lies in a folder of the game's own, under a name cleaned of
    // path separators; without it the code alone is copied.
    if (QDir().mkpath(m_copyFolder)) {
        const std::string name = shared.level.name.empty() ? "bana" : shared.level.name;
        const std::string path = m_copyFolder.toStdString() + "/" + cleanFileName(name + ".prl");
        if (saveLevel(shared.level, shared.layout, shared.completion, path).ok()) {
            files.append(QString::fromStdString(path));
        }
    }
    std::unique_ptr<QMimeData> offered = fileDropMimeData(files);
    offered->setText(code);
    if (QClipboard* clipboard = QGuiApplication::clipboard()) {
        clipboard->setMimeData(offered.release());
    }
    m_feedback->showMessage(tr("Kopierad: %1").arg(code));
}

void MainWindow::pasteLevel()
{
    const QClipboard* clipboard = QGuiApplication::clipboard();
    const QMimeData* offered = clipboard != nullptr ? clipboard->mimeData() : nullptr;
    if (offered == nullptr) {
        return;
    }
    const QString text = offered->text().trimmed();
    const QString file = firstLocalFile(*offered);
    // A code is the text of a copied level; a path beside a file list is the
    // file manager's text for the same files.
    if (!text.isEmpty() && !text.contains(QLatin1Char('/'))) {
        openCode(text);
    } else if (!file.isEmpty()) {
        loadLevelFile(file);
    } else if (!text.isEmpty() && QFileInfo(text).isFile()) {
        loadLevelFile(text);
    } else {
        ask(informationBox(tr("Urklippet innehåller ingen bana och ingen kod.")));
    }
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event)
{
    if (!firstLocalFile(*event->mimeData()).isEmpty()) {
        event->acceptProposedAction();
    }
}

void MainWindow::dropEvent(QDropEvent* event)
{
    const QString file = firstLocalFile(*event->mimeData());
    if (file.isEmpty()) {
        return;
    }
    event->acceptProposedAction();
    loadLevelFile(file);
}

} // namespace prismora
