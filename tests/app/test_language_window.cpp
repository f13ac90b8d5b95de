// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The window in English and in Swedish: its texts, a message, the system's language and the
// remembered "Språk".
#include "test_levels.h"
#include "window_test_support.h"

#include "app/language.h"
#include "app/progress_store.h"

#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

#include <gtest/gtest.h>

#include <map>

namespace prismora::windowtest {
namespace {

// Qt posts the change of language to the windows; deliver it now.
void takeLanguageChange() { QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange); }

void switchTo(Language language)
{
    applyLanguage(language);
    takeLanguageChange();
}

// Puts the Swedish texts back whatever a test did.
class LanguageWindow : public ::testing::Test {
protected:
    void TearDown() override { switchTo(Language::Swedish); }

    WindowHarness harness{{{"mirror.prl", mirrorLevel()}}};
    MainWindow& form = harness.window();
};

TEST_F(LanguageWindow, EnglishIsAppliedAtOnceAndSwedishIsTodaysText)
{
    const auto texts = [this] {
        return QStringList{button(form, "openButton")->text(), button(form, "quitButton")->text(),
                           statusLabel(form)->text(), form.windowTitle()};
    };
    const QStringList swedish = {QStringLiteral("Ladda spel..."), QStringLiteral("Avsluta"),
                                 QStringLiteral("Ingen level laddad"),
                                 QStringLiteral("Prismora version")};
    EXPECT_EQ(texts(), swedish);

    switchTo(Language::English);
    EXPECT_EQ(texts(),
              (QStringList{QStringLiteral("Load game..."), QStringLiteral("Quit"),
                           QStringLiteral("No level loaded"), QStringLiteral("Prismora version")}));
    // A text made in core, with the file's path as it is.
    ASSERT_TRUE(QDir(harness.path(QString())).mkdir(QStringLiteral("folder.prl")));
    form.loadLevelFile(harness.path(QStringLiteral("folder.prl")));
    ASSERT_EQ(harness.dialogs.boxes.size(), 1U);
    EXPECT_EQ(harness.dialogs.boxes[0].text,
              QStringLiteral("The file %1 is not a regular file and cannot be a level.")
                  .arg(harness.path(QStringLiteral("folder.prl"))));

    switchTo(Language::Swedish);
    EXPECT_EQ(texts(), swedish);
    form.loadLevelFile(harness.path(QStringLiteral("folder.prl")));
    ASSERT_EQ(harness.dialogs.boxes.size(), 2U);
    EXPECT_EQ(harness.dialogs.boxes[1].text,
              QStringLiteral("Filen %1 är ingen vanlig fil och kan inte vara en bana.")
                  .arg(harness.path(QStringLiteral("folder.prl"))));
}

TEST(SystemLanguage, FollowsTheLocaleVariablesAsGettextDoes)
{
    using Environment = std::map<std::string, QString>;
    const auto languageUnder = [](const Environment& variables) {
        return systemLanguage([&](const char* name) {
            const auto found = variables.find(name);
            return found == variables.end() ? QString() : found->second;
        });
    };
    EXPECT_EQ(languageUnder({}), Language::Swedish);
    EXPECT_EQ(languageUnder({{"LANG", "en_US.UTF-8"}}), Language::English);
    EXPECT_EQ(languageUnder({{"LANG", "de_DE.UTF-8"}}), Language::Swedish);
    // The first variable set names the locale; C and POSIX ignore LANGUAGE.
    EXPECT_EQ(languageUnder({{"LC_ALL", "sv_SE.UTF-8"}, {"LANG", "en_GB"}}), Language::Swedish);
    EXPECT_EQ(languageUnder({{"LC_MESSAGES", "en_GB"}, {"LANG", "sv_SE"}}), Language::English);
    EXPECT_EQ(languageUnder({{"LANGUAGE", "en"}, {"LC_ALL", "C"}}), Language::Swedish);
    EXPECT_EQ(languageUnder({{"LANGUAGE", "en"}, {"LANG", "POSIX"}}), Language::Swedish);
    // LANGUAGE's entries are tried in turn before the locale.
    EXPECT_EQ(languageUnder({{"LANGUAGE", "fr:en_GB:sv"}, {"LANG", "sv_SE.UTF-8"}}),
              Language::English);
    EXPECT_EQ(languageUnder({{"LANGUAGE", "fr:de"}, {"LANG", "en_US"}}), Language::English);
}

TEST_F(LanguageWindow, TheChoiceInTheMenuIsRememberedAndApplied)
{
    auto* menu = form.findChild<QMenu*>(QStringLiteral("languageMenu"));
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->title(), QStringLiteral("Språk"));
    const QList<QAction*> choices = menu->actions();
    ASSERT_EQ(choices.size(), 3);
    EXPECT_EQ(choices[2]->text(), QStringLiteral("Systemets"));
    choices[1]->trigger(); // English
    takeLanguageChange();
    EXPECT_EQ(menu->title(), QStringLiteral("Language"));
    EXPECT_EQ(choices[2]->text(), QStringLiteral("System"));
    EXPECT_EQ(ProgressStore(harness.options().settingsFile).languageChoice(),
              LanguageChoice::English);
    choices[0]->trigger();
    takeLanguageChange();
    EXPECT_EQ(button(form, "openButton")->text(), QStringLiteral("Ladda spel..."));
    EXPECT_EQ(ProgressStore(harness.options().settingsFile).languageChoice(),
              LanguageChoice::Swedish);
}

} // namespace
} // namespace prismora::windowtest
