// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// "Så spelar du": the rules, every piece with its picture and what it does, and the keys.
#pragma once

#include "graphics/bitmap_list.h"

#include <QDialog>

class QDialogButtonBox;
class QScrollArea;

namespace prismora {

// A window beside the game, not modal, so the player can read it while
// playing. The pictures come from `sprites` through the board's own drawing
// (which must outlive the dialog), each named for a screen reader; its texts
// follow a change of language.
class HelpDialog : public QDialog {
    Q_OBJECT

public:
    explicit HelpDialog(const BitmapList& sprites, QWidget* parent = nullptr);

protected:
    void changeEvent(QEvent* event) override;

private:
    void showTexts();

    const BitmapList& m_sprites;
    QScrollArea* m_scroller;
    QDialogButtonBox* m_buttons;
};

} // namespace prismora
