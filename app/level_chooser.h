// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// "Välj nivå": the series as small pictures of their starting boards, grouped, solved ones marked.
#pragma once

#include "app/generated_tab.h"
#include "core/personal_record.h"

#include <QDialog>
#include <QImage>
#include <QString>

#include <optional>
#include <vector>

class QListWidget;
class QPixmap;
class QTabWidget;

namespace prismora {

// One level of the series as the chooser shows it.
struct ChooserLevel {
    int seriesIndex = 0; // its place in the series
    QString name;
    QImage thumbnail; // its starting board
    bool isSolved = false;
    std::optional<LevelRecord> record; // the player's best solve
};

// Whether the chooser offers "Fortsätt där du slutade" (a saved game exists).
enum class ContinueOffer { None, SavedGame };

// Levels 1-30 of the series are "Grundserien", 31 and on "Mästarserien",
// each on its own tab, and the generated levels are "Slumpade" (see
// GeneratedTab, whose choices the dialog passes on after closing); a series file that holds no
// level is not offered. The first unsolved level (or the first level when all are solved) is
// selected when the dialog opens. Choosing a level (double-click, Enter or "Spela") emits
// levelChosen with its index in the series after the dialog has closed; "Fortsätt där du slutade"
// emits continueChosen.
class LevelChooser : public QDialog {
    Q_OBJECT

public:
    static constexpr int ThumbnailSize = 90;
    static constexpr int GroupSize = 30;
    // The data role of a level item holding whether it is solved.
    static constexpr int SolvedRole = Qt::UserRole + 1;
    // The data role holding its index in the series.
    static constexpr int IndexRole = Qt::UserRole + 2;

    LevelChooser(const std::vector<ChooserLevel>& levels, ContinueOffer offer,
                 const std::vector<ChooserGenerated>& generated = {}, QWidget* parent = nullptr);

    // The index of the selected level, or -1.
    int selectedIndex() const;

    // The look the lists share: thumbnails in a grid on the game's blue.
    static void styleLevelList(QListWidget& list);
    // The thumbnail with a green disc and a white tick in its top-right corner when solved.
    static QPixmap thumbnailIcon(const QImage& thumbnail, bool isSolved);

signals:
    void levelChosen(int index);
    void continueChosen();
    void tierChosen(int tier);
    void dailyChosen();
    void codeEntered(const QString& code);
    void generatedChosen(int index);

protected:
    void showEvent(QShowEvent* event) override;

private:
    QListWidget* addGroup(const QString& title);
    void chooseSelected();
    void selectFirstUnsolved(const std::vector<ChooserLevel>& levels);

    void addGeneratedTab(const std::vector<ChooserGenerated>& generated);

    QTabWidget* m_groups;
    std::vector<QListWidget*> m_lists;
    GeneratedTab* m_generatedTab = nullptr;
};

} // namespace prismora
