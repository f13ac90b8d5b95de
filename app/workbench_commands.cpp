// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Opening the designer's workbench (Ctrl+K or its button while designing) and feeding it each edit.
#include "app/main_window.h"

#include "app/progress_store.h"
#include "app/workbench.h"
#include "widgets/gradient_button.h"

#include <QAction>
#include <QFrame>

namespace prismora {
void MainWindow::buildWorkbench()
{
    m_workbench = new Workbench(*m_boardView, *m_progress, *this);
    // Where "Ladda spel..." stands outside the editor.
    m_workbenchButton = makeButton(tr("Analys"), m_commandColumn, QRect(46, 18, 93, 21));
    m_workbenchButton->setObjectName(QStringLiteral("workbenchButton"));
    m_workbenchButton->setAccessibleName(tr("Arbetsbänk"));
    m_workbenchButton->setToolTip(tr("Arbetsbänk (Ctrl+K)"));
    m_workbenchButton->setVisible(false);
    m_workbenchAction = new QAction(tr("Arbetsbänk"), this);
    m_workbenchAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_K));
    m_workbenchAction->setEnabled(false);
    addAction(m_workbenchAction);
    const auto toggle = [this] { setWorkbenchOpen(!m_workbench->isVisible()); };
    connect(m_workbenchButton, &QPushButton::clicked, this, toggle);
    connect(m_workbenchAction, &QAction::triggered, this, toggle);
}

void MainWindow::setWorkbenchOpen(bool isOpen)
{
    m_progress->setDisplaySwitch(Workbench::openSwitch(), isOpen);
    updateWorkbench();
}

// The workbench is open while designing when the designer last left it open.
void MainWindow::updateWorkbench()
{
    const bool isDesigning = m_session->commandState() == CommandState::Designing;
    const bool isWanted = isDesigning && m_progress->isDisplaySwitchOn(Workbench::openSwitch());
    if (!isWanted) {
        m_workbench->clear();
        m_workbench->hide();
        return;
    }
    if (!m_workbench->isVisible()) {
        m_workbench->followMainWindow();
        m_workbench->show();
    }
    m_workbench->analyse(m_session->level());
}

} // namespace prismora
