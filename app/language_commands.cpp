// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The "Språk" menu: the game in Swedish, in English or in the system's language, remembered.
#include "app/main_window.h"

#include "app/progress_store.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>

namespace prismora {

void MainWindow::buildLanguageMenu()
{
    m_languageMenu = m_paletteMenu->addMenu(QString());
    m_languageMenu->setObjectName(QStringLiteral("languageMenu"));
    m_languageGroup = new QActionGroup(m_languageMenu);
    // Each language is named in its own tongue, so it can be found in any.
    const std::pair<LanguageChoice, QString> choices[] = {
        {LanguageChoice::Swedish, QStringLiteral("Svenska")},
        {LanguageChoice::English, QStringLiteral("English")},
        {LanguageChoice::System, QString()}};
    const LanguageChoice chosen = m_progress->languageChoice();
    for (const auto& [choice, name] : choices) {
        QAction* action = m_languageMenu->addAction(name);
        action->setCheckable(true);
        action->setChecked(choice == chosen);
        action->setData(choiceKey(choice));
        m_languageGroup->addAction(action);
        connect(action, &QAction::triggered, this,
                [this, selected = choice] { chooseLanguage(selected); });
    }
}

void MainWindow::chooseLanguage(LanguageChoice choice)
{
    m_progress->setLanguageChoice(choice);
    const Language language = languageOf(choice);
    if (language != appliedLanguage()) {
        // Every widget retranslates itself on the LanguageChange that follows.
        applyLanguage(language);
    }
}

} // namespace prismora
