// The palette list: the player's hand of pieces as owner-drawn rows.
#pragma once

#include "core/board.h"
#include "core/palette.h"

#include <QListWidget>

namespace prismora {

class PaletteRowDelegate;

// A fixed 153 x 278 list, navy with yellow text in a 13-pixel sans serif,
// 16-pixel rows, single selection. Each item's text is the full palette row
// text; rows are drawn by PaletteRowDelegate.
class PaletteList : public QListWidget {
    Q_OBJECT

public:
    explicit PaletteList(QWidget* parent = nullptr);

    // Makes the items match the palette's rows and selected row (adding,
    // removing or rewriting items as needed) and remembers `board`, whose
    // PaintEnabled and PlayMode flags the rows are drawn by; both must outlive
    // the list or the next showRows. Emits no signals while syncing (no
    // currentRowChanged), and repaints the rows.
    void showRows(const Palette& palette, const Board& board);

private:
    PaletteRowDelegate* m_delegate;
};

} // namespace prismora
