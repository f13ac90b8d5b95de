// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Clipboard file lists in the formats Linux desktops understand.
#include "app/clipboard_files.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QList>
#include <QUrl>

namespace prismora {

std::unique_ptr<QMimeData> fileDropMimeData(const QStringList& paths)
{
    auto data = std::make_unique<QMimeData>();
    QList<QUrl> urls;
    QStringList copyLines{QStringLiteral("copy")};
    for (const QString& path : paths) {
        const QUrl url = QUrl::fromLocalFile(path);
        urls.append(url);
        copyLines.append(QString::fromUtf8(url.toEncoded()));
    }
    data->setUrls(urls);
    // Nautilus, Nemo and Caja paste files only from this list, and refuse
    // it when it ends in a newline.
    const QByteArray copyList = copyLines.join(QLatin1Char('\n')).toUtf8();
    data->setData(QStringLiteral("x-special/gnome-copied-files"), copyList);
    data->setData(QStringLiteral("x-special/mate-copied-files"), copyList);
    data->setText(paths.join(QLatin1Char('\n')));
    return data;
}

bool putFilesOnClipboard(const QStringList& paths)
{
    if (paths.isEmpty()) {
        return false;
    }
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (clipboard == nullptr) {
        return false;
    }
    clipboard->setMimeData(fileDropMimeData(paths).release());
    return true;
}

} // namespace prismora
