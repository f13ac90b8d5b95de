// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The player's choices of how the game answers: "Förlåtande läge", "Animationer" and "Ljud" (M).
#include "app/main_window.h"

#include "app/progress_store.h"
#include "view/board_view.h"

#include <QAction>
#include <QMenu>
#include <QTimer>

namespace prismora {

void MainWindow::buildFeedbackActions()
{
    m_paletteMenu->addSeparator();
    m_forgivingAction = m_paletteMenu->addAction(tr("Förlåtande läge"));
    m_forgivingAction->setToolTip(tr(
        "En bomb varnar medan du bär eller vrider en pjäs och smäller först när du släpper den"));
    m_animationsAction = m_paletteMenu->addAction(tr("Animationer"));
    m_soundAction = m_paletteMenu->addAction(tr("Ljud"));
    m_soundAction->setShortcut(QKeySequence(Qt::Key_M));
    m_soundAction->setShortcutVisibleInContextMenu(true);
    addAction(m_soundAction);
    const std::pair<QAction*, PlayerSetting> settings[] = {
        {m_forgivingAction, PlayerSetting::ForgivingMode},
        {m_animationsAction, PlayerSetting::Animations},
        {m_soundAction, PlayerSetting::Sound}};
    const char* names[] = {"forgivingAction", "animationsAction", "soundAction"};
    for (std::size_t i = 0; i < std::size(settings); ++i) {
        const auto& [action, setting] = settings[i];
        action->setObjectName(QString::fromLatin1(names[i]));
        action->setCheckable(true);
        action->setChecked(m_progress->isOn(setting));
    }
    connect(m_forgivingAction, &QAction::toggled, this, &MainWindow::setForgivingMode);
    connect(m_animationsAction, &QAction::toggled, this, &MainWindow::setAnimationsOn);
    connect(m_soundAction, &QAction::toggled, this, &MainWindow::setSoundOn);
    setForgivingMode(m_forgivingAction->isChecked());
    setAnimationsOn(m_animationsAction->isChecked());

    m_nextLevelOffer = new QTimer(this);
    m_nextLevelOffer->setSingleShot(true);
}

void MainWindow::setForgivingMode(bool isOn)
{
    m_session->setForgivingMode(isOn ? ForgivingMode::On : ForgivingMode::Off);
    m_progress->setOn(PlayerSetting::ForgivingMode, isOn);
}

void MainWindow::setAnimationsOn(bool isOn)
{
    m_boardView->setAnimations(isOn ? Animations::On : Animations::Off);
    m_progress->setOn(PlayerSetting::Animations, isOn);
}

void MainWindow::setSoundOn(bool isOn) { m_progress->setOn(PlayerSetting::Sound, isOn); }

void MainWindow::play(GameSound sound)
{
    if (m_soundAction->isChecked()) {
        m_playSound(sound);
    }
}

} // namespace prismora
