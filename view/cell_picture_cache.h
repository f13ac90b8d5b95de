// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Keeping turned sprite pictures across paints while the sprites stay the same.
#pragma once

#include "graphics/bitmap32.h"
#include "view/cell_picture.h"

namespace prismora {

// Makes the cell picture of `sprite` turned to `direction` (0..7) at `scale`.
using CellPictureMaker = CellPicture (*)(const Bitmap32& sprite, int direction, int scale);

// The cell picture of `sprite` turned to `direction` at `scale`, made by
// `make` once and then kept. A kept picture is used only while the sprite's
// change stamp is the one it was made at: any change of pixels, size or
// drawing property since (and any other bitmap at the same address) gives a
// new stamp, so the pictures drawn are always the ones `make` would give now.
// Sprites whose draw mode is not opaque are made afresh each time. Kept per
// thread; at most a few hundred pictures are kept (then the store starts
// over). The reference is valid until the next call on the same thread.
const CellPicture& cachedCellPicture(const Bitmap32& sprite, int direction, int scale,
                                     CellPictureMaker make);

} // namespace prismora
