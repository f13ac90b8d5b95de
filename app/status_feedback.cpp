// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The status line's passing message: placing, eliding and the timer that hides it.
#include "app/status_feedback.h"

#include "app/game_style.h"

namespace prismora {

StatusFeedback::StatusFeedback(QLabel& statusLine) : QLabel(statusLine.parentWidget())
{
    setObjectName(QStringLiteral("feedbackLabel"));
    setGeometry(statusLine.geometry());
    setAlignment(Qt::AlignCenter);
    setFont(gameComicFont(16));
    // The status line's lime text on the status bar's navy, covering it whole.
    QPalette colours = statusLine.palette();
    colours.setColor(QPalette::Window, QColor(0, 0, 128));
    setPalette(colours);
    setAutoFillBackground(true);
    m_timer.setSingleShot(true);
    m_timer.setInterval(ShownMilliseconds);
    connect(&m_timer, &QTimer::timeout, this, &QWidget::hide);
    hide();
}

void StatusFeedback::showMessage(const QString& text) { showFor(elided(text), text); }

void StatusFeedback::showLines(const QString& first, const QString& second)
{
    showFor(elided(first) + QLatin1Char('\n') + elided(second), first + QLatin1Char('\n') + second);
}

QString StatusFeedback::elided(const QString& text) const
{
    constexpr int Margin = 8;
    return fontMetrics().elidedText(text, Qt::ElideMiddle, width() - Margin);
}

void StatusFeedback::showFor(const QString& shown, const QString& whole)
{
    setText(shown);
    setToolTip(whole);
    show();
    raise();
    m_timer.start();
}

} // namespace prismora
