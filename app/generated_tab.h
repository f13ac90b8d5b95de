// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// "Slumpade" in "Välj nivå": a level for each tier, the daily puzzle, a code, and the ones played.
#pragma once

#include <QImage>
#include <QString>
#include <QWidget>

#include <vector>

class QLineEdit;
class QListWidget;

namespace prismora {

// A generated level the player has had, as the tab lists it.
struct ChooserGenerated {
    QString seedCode;
    QString name;
    QImage thumbnail;
    bool isDaily = false;
    bool isSolved = false;
};

// The buttons "Lätt", "Medel", "Svår", "Mästare" and "Dagens pussel", the
// field "Ange kod" with "Öppna", and the levels played, the most recent
// first. Each choice is a signal; the dialog closes on it.
class GeneratedTab : public QWidget {
    Q_OBJECT

public:
    explicit GeneratedTab(const std::vector<ChooserGenerated>& levels, QWidget* parent = nullptr);

    // The listed level chosen by Enter, a double-click or "Spela"; false when none is selected.
    bool chooseSelected();

signals:
    void tierChosen(int tier);
    void dailyChosen();
    void codeEntered(const QString& code);
    // Its place in the list given.
    void levelChosen(int index);

private:
    QWidget* buildButtons();
    QWidget* buildCodeField();

    QListWidget* m_list;
    QLineEdit* m_codeEdit = nullptr;
};

} // namespace prismora
