// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Formatting moves, times and records in the game's Swedish.
#include "app/record_text.h"

#include <QCoreApplication>
#include <QStringList>

namespace prismora {
namespace {

QString translated(const char* text)
{
    return QCoreApplication::translate("prismora::RecordText", text);
}

QString movesText(int moves) { return translated("%1 drag").arg(moves); }

} // namespace

QString durationText(std::int64_t milliseconds)
{
    const std::int64_t seconds = std::max<std::int64_t>(0, milliseconds / 1000);
    return QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

QString recordText(const LevelRecord& record)
{
    return movesText(record.fewestMoves) + QStringLiteral(", ") +
           durationText(record.shortestMilliseconds);
}

QString solveText(const SolveReport& report)
{
    QString text = recordText({report.moves, report.milliseconds});
    if (!report.isRecorded || !report.previousRecord) {
        return text;
    }
    const LevelRecord& best = *report.previousRecord;
    QStringList better;
    if (best.fewestMoves < report.moves) {
        better.append(movesText(best.fewestMoves));
    }
    // Compared in whole seconds, as they are shown.
    if (best.shortestMilliseconds / 1000 < report.milliseconds / 1000) {
        better.append(durationText(best.shortestMilliseconds));
    }
    if (!better.isEmpty()) {
        return text + translated(" (bäst: %1)").arg(better.join(QStringLiteral(", ")));
    }
    if (report.moves < best.fewestMoves ||
        report.milliseconds / 1000 < best.shortestMilliseconds / 1000) {
        return text + translated(" (nytt rekord!)");
    }
    return text;
}

} // namespace prismora
