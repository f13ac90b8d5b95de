// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A short message over the status line that gives way to the verdict after a few seconds.
#pragma once

#include <QLabel>
#include <QTimer>

namespace prismora {

// Lies exactly over the status line, in its colours with a smaller face, and
// is hidden except for a few seconds after showMessage; the status line under
// it keeps the verdict, which shows again when it hides.
class StatusFeedback : public QLabel {
    Q_OBJECT

public:
    static constexpr int ShownMilliseconds = 4000;

    explicit StatusFeedback(QLabel& statusLine);

    // Shows `text` (elided in the middle when too long) for ShownMilliseconds;
    // a new message replaces the old one and starts the time afresh.
    void showMessage(const QString& text);
    // Two lines in one message, each elided on its own.
    void showLines(const QString& first, const QString& second);

private:
    QString elided(const QString& text) const;
    void showFor(const QString& shown, const QString& whole);

    QTimer m_timer;
};

} // namespace prismora
