// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Starting another program as a process of its own, which the game neither waits for nor keeps.
#pragma once

#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>

#include <optional>

namespace prismora {

// Starts `program` with `arguments` detached from the game: it outlives the
// game, the game never waits for it, and no finished child is left behind as
// a zombie. A copy of this game given `windowPlace` opens its window there
// (see copyWindowPlace). False when it could not be started.
bool startIndependentProcess(const QString& program, const QStringList& arguments,
                             const std::optional<QPoint>& windowPlace = std::nullopt);

// Where the program that started this one asked its window to open; nothing
// when it asked nothing (the window is then centred). Asked once: the request
// is not handed on to copies this one starts.
std::optional<QPoint> copyWindowPlace();

// The top-left corner a copy's window of `size` opens at: `step` right of and
// below the window `from`, moved back inside `available` where it would
// stick out.
QPoint offsetWindowPlace(const QRect& from, const QSize& size, const QRect& available,
                         QPoint step = QPoint(40, 40));

} // namespace prismora
