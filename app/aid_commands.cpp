// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The player's aids: the hint (H), the colour-blind aid (Ctrl+B) and the help (F1).
#include "app/main_window.h"

#include "app/help_dialog.h"
#include "app/hint_runner.h"
#include "app/progress_store.h"
#include "app/status_feedback.h"
#include "core/palette.h"
#include "view/board_view.h"
#include "view/palette_list.h"
#include "view/sprite_set.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QTimer>

namespace prismora {
namespace {

// How long a hint's mark stays on the board.
constexpr int HintShownMilliseconds = 2000;

QString pieceName(PieceKind kind) { return paletteRowName(rowOfKind(kind).value_or(-1)); }

QString cellText(std::int32_t column, std::int32_t row)
{
    return QCoreApplication::translate("prismora::MainWindow", "kolumn %1, rad %2")
        .arg(column)
        .arg(row);
}

// How a piece turned to a direction faces, as core/hint_text.h says it.
QString directionText(std::uint8_t direction)
{
    static constexpr const char* Words[] = {
        QT_TRANSLATE_NOOP("prismora::MainWindow", "åt höger"),
        QT_TRANSLATE_NOOP("prismora::MainWindow", "snett upp åt höger"),
        QT_TRANSLATE_NOOP("prismora::MainWindow", "uppåt"),
        QT_TRANSLATE_NOOP("prismora::MainWindow", "snett upp åt vänster"),
        QT_TRANSLATE_NOOP("prismora::MainWindow", "åt vänster"),
        QT_TRANSLATE_NOOP("prismora::MainWindow", "snett ner åt vänster"),
        QT_TRANSLATE_NOOP("prismora::MainWindow", "nedåt"),
        QT_TRANSLATE_NOOP("prismora::MainWindow", "snett ner åt höger"),
    };
    return QCoreApplication::translate("prismora::MainWindow", Words[direction % 8]);
}

} // namespace

void MainWindow::buildAidActions()
{
    m_paletteMenu->addSeparator();
    m_hintAction = m_paletteMenu->addAction(QString());
    m_hintAction->setShortcut(QKeySequence(Qt::Key_H));
    m_colourAidAction = m_paletteMenu->addAction(QString());
    m_colourAidAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_B));
    m_colourAidAction->setCheckable(true);
    m_helpAction = m_paletteMenu->addAction(QString());
    m_helpAction->setShortcut(QKeySequence(Qt::Key_F1));
    for (QAction* action : {m_hintAction, m_colourAidAction, m_helpAction}) {
        action->setShortcutVisibleInContextMenu(true);
        addAction(action);
    }
    connect(m_hintAction, &QAction::triggered, this, &MainWindow::requestHint);
    connect(m_colourAidAction, &QAction::toggled, this, &MainWindow::setColourAid);
    connect(m_helpAction, &QAction::triggered, this, &MainWindow::openHelp);
    buildLanguageMenu();

    m_hintRunner = new HintRunner([this](const Hint& hint) { showHint(hint); }, this);
    m_hintTimer = new QTimer(this);
    m_hintTimer->setSingleShot(true);
    m_hintTimer->setInterval(HintShownMilliseconds);
    connect(m_hintTimer, &QTimer::timeout, this, [this] { m_boardView->showHintMark({}); });

    // The player's choice from the last game; the board and palette start without it.
    if (m_progress->isOn(PlayerSetting::ColourAid)) {
        m_colourAidAction->setChecked(true);
    }
}

void MainWindow::requestHint()
{
    if (!m_session->canHint()) {
        m_feedback->showMessage(tr("Tips finns bara när du spelar en nivå"));
        return;
    }
    if (m_hintRunner->isSearching() && m_hintLevel == level()) {
        return; // already on its way
    }
    cancelHint();
    m_hintLevel = level();
    m_hintRunner->start(level());
    m_feedback->showMessage(tr("Letar efter ett tips..."));
}

void MainWindow::showHint(const Hint& hint)
{
    if (level() != m_hintLevel) {
        return; // the position has changed since the search began
    }
    switch (hint.kind) {
    case HintKind::Place: {
        const Placement& p = hint.placement;
        Piece ghost;
        ghost.kind = p.kind;
        ghost.column = p.column;
        ghost.row = p.row;
        ghost.direction = p.direction;
        m_boardView->showHintMark(HintMark{HintMark::Look::PlaceHere, ghost});
        // The same words as core/hint_text.h, which the command line prints,
        // on two lines: on one they do not fit the status line.
        const QString where =
            hint.piece >= 0 ? tr("Tips: flytta %1 till %2,") : tr("Tips: %1 i %2,");
        m_feedback->showLines(where.arg(pieceName(p.kind), cellText(p.column, p.row)),
                              tr("vriden %1").arg(directionText(p.direction)));
        break;
    }
    case HintKind::TakeBack: {
        const Piece& piece = level().pieces[static_cast<std::size_t>(hint.piece)];
        m_boardView->showHintMark(HintMark{HintMark::Look::TakeBack, piece});
        m_feedback->showMessage(tr("Ta tillbaka %1 i %2")
                                    .arg(pieceName(piece.kind), cellText(piece.column, piece.row)));
        break;
    }
    case HintKind::AlreadySolved:
        m_feedback->showMessage(tr("Nivån är redan klar"));
        return;
    case HintKind::NoSolution:
        m_feedback->showMessage(tr("Hittade ingen lösning"));
        return;
    case HintKind::Cancelled:
        return;
    }
    m_hintTimer->start();
}

void MainWindow::cancelHint()
{
    if (m_hintRunner == nullptr) {
        return; // a refresh while the window is being built
    }
    m_hintRunner->cancel();
    m_hintTimer->stop();
    m_boardView->showHintMark({});
}

void MainWindow::setColourAid(bool isOn)
{
    const ColourAid aid = isOn ? ColourAid::On : ColourAid::Off;
    m_boardView->setColourAid(aid);
    m_paletteList->setColourAid(aid);
    m_progress->setOn(PlayerSetting::ColourAid, isOn);
}

void MainWindow::openHelp()
{
    if (m_helpDialog == nullptr) {
        m_helpDialog = new HelpDialog(standardSprites(), this);
    }
    m_helpDialog->show();
    m_helpDialog->raise();
    m_helpDialog->activateWindow();
}

} // namespace prismora
