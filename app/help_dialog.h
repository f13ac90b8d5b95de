// "Så spelar du": the rules, every piece with its picture and what it does, and the keys.
#pragma once

#include "graphics/bitmap_list.h"

#include <QDialog>

namespace prismora {

// A window beside the game, not modal, so the player can read it while
// playing. The pictures come from `sprites` through the board's own drawing.
class HelpDialog : public QDialog {
    Q_OBJECT

public:
    explicit HelpDialog(const BitmapList& sprites, QWidget* parent = nullptr);
};

} // namespace prismora
