// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Owner drawing of one palette row: the name on the left, the count right-aligned.
#pragma once

#include "core/level.h"
#include "view/colour_aid.h"

#include <QStyledItemDelegate>

class QPainter;
class QRect;
class QString;

namespace prismora {

// Height of one palette row in pixels.
inline constexpr int PaletteRowHeight = 16;

// The item data role that holds a row's count (an int).
inline constexpr int PaletteCountRole = Qt::UserRole + 1;

// Draws a palette row into `rect` with the painter as the list prepared it
// for this row: its font, its pen (text colour) and its brush (the opaque
// text background; the selection colours for the selected row). In play a
// row with no pieces left (count 0 or less) draws nothing, so it stays blank
// but keeps its place; in the editor every row is drawn. Otherwise the name
// on its opaque background from the row's left edge up to the count, then the
// count right-aligned on its own background. Never clears the row itself and
// never draws outside `rect`.
void drawPaletteRow(QPainter& painter, const QRect& rect, const QString& name, int count,
                    Mode mode);

// Item delegate of the palette list: prepares the painter for each row and
// calls drawPaletteRow, unless painting is off; with the colour-blind aid on
// a drawn row of a lamp or a cannon gets its letter before the count.
class PaletteRowDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    explicit PaletteRowDelegate(QObject* parent = nullptr);

    void setMode(Mode mode) { m_mode = mode; }
    void setPaintingEnabled(bool enabled) { m_paintingEnabled = enabled; }
    // With the aid on, rows of lamps and cannons carry their colour's letter.
    void setColourAid(ColourAid aid) { m_colourAid = aid; }

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    Mode m_mode = Mode::Play;
    bool m_paintingEnabled = true;
    ColourAid m_colourAid = ColourAid::Off;
};

} // namespace prismora
