// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The palette list: the player's hand of pieces (or the designer's counts) as owner-drawn rows.
#pragma once

#include "core/level.h"
#include "view/colour_aid.h"

#include <QListWidget>

#include <vector>

namespace prismora {

class PaletteRowDelegate;

// The name palette row `row` shows (PaletteRowNames), empty for a row that
// does not exist.
QString paletteRowName(int row);

// A fixed 153 x 278 list, navy with yellow text in a 13-pixel sans serif,
// 16-pixel rows, single selection. Row r shows PaletteRowNames[r] and its
// count, and its tooltip says what the row's piece does; rows are drawn by
// PaletteRowDelegate. A screen reader hears each row's name with its count
// ("Spegel, 2 kvar" in play, "Spegel, 1" in the editor). Only the list itself
// reports the keyboard focus: while it has not got it, the selected row is
// not its current item.
class PaletteList : public QListWidget {
    Q_OBJECT

public:
    explicit PaletteList(QWidget* parent = nullptr);

    // Makes the rows match `counts` (adding, removing or rewriting items as
    // needed) drawn for `mode`, keeping the selected row when it still
    // exists. Emits no signals, and repaints the rows.
    void showPalette(const std::vector<int>& counts, Mode mode);

    // The selected row, or -1.
    int selectedRow() const;
    // Selects a row (-1 or a row it does not have: none), emitting no signals.
    void selectRow(int row);

    // While painting is off (a save dialog is open) rows draw nothing.
    void setPaintingEnabled(bool enabled);

    // Rows of lamps and cannons carry their colour's letter while the aid is on.
    void setColourAid(ColourAid aid);

protected:
    void changeEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void nameRow(int row);

    PaletteRowDelegate* m_delegate;
    Mode m_mode = Mode::Play;
};

} // namespace prismora
