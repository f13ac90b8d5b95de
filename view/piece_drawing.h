// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Drawing one piece or cannon: sprite choice, turning to its direction, laying it on the board.
#pragma once

#include "core/level.h"
#include "graphics/bitmap_list.h"
#include "view/cell_picture.h"
#include "view/pixel_spans.h"

#include <optional>

class QPainter;

namespace prismora {

// Sprite index for a piece by kind and lit state: Mirror 3, DoubleMirror 4,
// TCoupling 10, TCoupling2 11, Cross 8, lamps red 5/13, green 7/15,
// blue 6/14, white 19/20 (dark/lit), Obstacle 9, Inverter 12, YCoupling 16,
// Bomb 17, OneWay 18. Kinds 8, 9 and values above 15 have none.
std::optional<int> spriteIndexForPiece(PieceKind kind, bool lit);

// Sprite index for a cannon by colour: red 0, blue 1, green 2. Cannons of any
// other colour have none.
std::optional<int> spriteIndexForCannon(std::int32_t colour);

// Draws a piece in its cell: the sprite turned to its direction
// (turnedSpritePicture), with white left transparent, at the sprite corner of
// its cell, enlarged `scale` times by repeating pixels. A record without a
// sprite, or whose sprite is missing from `sprites`, shows the stand-in
// tile: a black question mark in a black frame on white, never turned.
// Directions above 7 count modulo 8. A record wholly outside the 451 x 451
// board draws nothing. Turned pictures come from the standard set's own
// (standardCellPicture) or are kept across paints while their sprite stays
// the same (cachedCellPicture), so they are always the pictures made afresh
// would be.
void drawPiece(PixelWriter& writer, const Piece& piece, bool lit, const BitmapList& sprites,
               int scale);

// Draws a cannon like drawPiece.
void drawCannon(PixelWriter& writer, const BeamSource& cannon, const BitmapList& sprites,
                int scale);

// The same for a painter (in board pixels), for pictures of single cells.
void drawPiece(QPainter& painter, const Piece& piece, bool lit, const BitmapList& sprites);
void drawCannon(QPainter& painter, const BeamSource& cannon, const BitmapList& sprites);

} // namespace prismora
