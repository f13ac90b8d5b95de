// Drawing one piece or cannon: sprite choice, turning to its direction, laying it on the board.
#pragma once

#include "core/level.h"
#include "graphics/bitmap_list.h"

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

// Draws a piece in its cell: the sprite turned to its direction (quarter
// and half turns exactly, diagonals by bilinear rotation of a 47 x 47 copy),
// reduced to the 16 standard colours, with white left transparent, at the
// sprite corner of its cell. A record without a sprite, or whose sprite is
// missing from `sprites`, shows the stand-in tile: a black question mark in a
// black frame on white, never turned. Directions above 7 count modulo 8. A
// record wholly outside the 451 x 451 board draws nothing. Turned pictures
// are kept across paints while their sprite stays the same
// (CachedCellPicture), so they are always the pictures made afresh would be.
void drawPiece(QPainter& painter, const Piece& piece, bool lit, const BitmapList& sprites);

// Draws a cannon like drawPiece.
void drawCannon(QPainter& painter, const BeamSource& cannon, const BitmapList& sprites);

} // namespace prismora
