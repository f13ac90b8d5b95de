// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Putting written files on the clipboard so that file managers and chat programs paste them.
#pragma once

#include <QMimeData>
#include <QStringList>

#include <memory>

namespace prismora {

// The clipboard data offering `paths` as copied files: text/uri-list, the
// GNOME and MATE "copy" lists (the word copy, LF, one file URI per line, no
// trailing newline) and the paths as plain text, one per line.
std::unique_ptr<QMimeData> fileDropMimeData(const QStringList& paths);

// Replaces the clipboard's contents with `paths` as copied files. False for
// an empty list or when there is no clipboard; nothing is reported either way.
bool putFilesOnClipboard(const QStringList& paths);

} // namespace prismora
