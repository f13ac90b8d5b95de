// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The piece sprites and the wallpaper picture compiled into the program.
#pragma once

#include "graphics/bitmap_list.h"
#include "view/cell_picture.h"

#include <QImage>

namespace prismora {

// Number of piece sprites in the standard set (indices 0..20).
inline constexpr int StandardSpriteCount = 21;

// The 21 piece sprites, read once from the resources ":/sprites/spriteNN.b32"
// on first use and kept for the life of the process (read only). Items 0..16
// and 20 carry OuterColor $FFFFFFFF, items 17..19 the default. The list always
// holds 21 items: a sprite whose resource is missing or unreadable stays empty
// (0 x 0), and the piece drawing shows its stand-in tile for it.
// Every sprite's picture in all eight directions (turnedSpritePicture) comes
// with it, made by spritegen from the same sprites with the same code and
// compiled in (":/sprites/turned.bin"), so no paint has to turn a standard
// sprite; each is unpacked on first use (turned then when that resource is
// missing).
const BitmapList& standardSprites();

// The picture of `sprite` turned to `direction` (0..7, counted modulo 8)
// that comes with the standard set, when `sprite` is one of
// standardSprites() and unchanged since loading; else null. Safe to call
// from any thread; the picture lives as long as the process.
const CellPicture* standardCellPicture(const Bitmap32& sprite, int direction);

// The 256 x 256 wallpaper (":/wallpaper.bmp"), or a null image when the
// resource cannot be read.
QImage standardWallpaper();

} // namespace prismora
