// The piece sprites and the wallpaper picture compiled into the program.
#pragma once

#include "graphics/bitmap_list.h"

#include <QImage>

namespace prismora {

// Number of piece sprites in the standard set (indices 0..20).
inline constexpr int StandardSpriteCount = 21;

// The 21 piece sprites, read once from the resources ":/sprites/spriteNN.b32"
// on first use and kept for the life of the process (read only). Items 0..16
// and 20 carry OuterColor $FFFFFFFF, items 17..19 the default. The list always
// holds 21 items: a sprite whose resource is missing or unreadable stays empty
// (0 x 0), and the piece drawing shows its stand-in tile for it.
// Must be called on the GUI thread, like all drawing.
const BitmapList& StandardSprites();

// The 256 x 256 wallpaper (":/wallpaper.bmp"), or a null image when the
// resource cannot be read.
QImage StandardWallpaper();

} // namespace prismora
