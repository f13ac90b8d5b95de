// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The window's own texts, set at construction and again whenever the language changes.
#include "app/main_window.h"

#include "view/board_view.h"
#include "view/palette_list.h"
#include "widgets/gradient_button.h"
#include "widgets/scrolling_banner.h"

#include <QAction>
#include <QActionGroup>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>

namespace prismora {

void MainWindow::showTexts()
{
    m_banner->setStrings({tr("Prismora         Gör egna banor och tävla med dina kompisar         "
                             "Efter att du tagit en skärmdump, kan du klistra in den i MSN direkt"
                             "          Nu kan man även spara och skicka spel som är pågående")});
    m_nameCaption->setText(tr("Namn:"));
    m_levelNameEdit->setAccessibleName(tr("Banans namn"));
    m_chooseLevelButton->setText(tr("Välj nivå"));
    m_chooseLevelButton->setToolTip(tr("Välj nivå (Ctrl+L)"));
    m_previousLevelButton->setAccessibleName(tr("Föregående bana"));
    m_nextLevelButton->setAccessibleName(tr("Nästa bana"));
    const std::pair<GradientButton*, QString> captions[] = {
        {m_openButton, tr("Ladda spel...")},
        {m_newDesignButton, tr("Skapa nytt spel")},
        {m_screenshotButton, tr("Ta skärmdump")},
        {m_savePositionButton, tr("Spara spelposition")},
        {m_saveDesignButton, tr("Spara som nytt spel...")},
        {m_testDesignButton, tr("Testa spel...")},
        {m_discardDesignButton, tr("Ångra nytt spel")},
        {m_quitButton, tr("Avsluta")}};
    for (const auto& [button, caption] : captions) {
        button->setText(caption);
    }
    m_paletteList->setAccessibleName(tr("Pjäser"));
    m_boardView->setAccessibleName(tr("Brädet"));
    const std::pair<QAction*, QString> entries[] = {
        {m_editLoadedAction, tr("Redigera laddat spel")},
        {m_playLoadedAction, tr("Spela laddat spel")},
        {m_undoAction, tr("Ångra")},
        {m_redoAction, tr("Gör om")},
        {m_restartAction, tr("Börja om")},
        {m_hintAction, tr("Tips")},
        {m_colourAidAction, tr("Färgblindhjälp")},
        {m_helpAction, tr("Så spelar du")}};
    for (const auto& [action, text] : entries) {
        action->setText(text);
    }
    m_languageMenu->setTitle(tr("Språk"));
    for (QAction* action : m_languageGroup->actions()) {
        if (choiceFromKey(action->data().toString()) == LanguageChoice::System) {
            action->setText(tr("Systemets"));
        }
    }
    showCaption();
    showStatus(m_statusNote);
    showInvitation();
}

} // namespace prismora
