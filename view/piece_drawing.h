// Drawing one piece or cannon: sprite choice, turning to its direction, laying it on the board.
#pragma once

#include "core/board.h"
#include "graphics/bitmap_list.h"

#include <optional>

class QPainter;

namespace prismora {

// Sprite index for a piece by kind and lit state: Mirror 3, DoubleMirror 4,
// TCoupling 10, TCoupling2 11, Cross 8, lamps red 5/13, green 7/15,
// blue 6/14, white 19/20 (dark/lit), Obstacle 9, Inverter 12, YCoupling 16,
// Bomb 17, OneWay 18. Kinds 8, 9 and values above 15 have none.
std::optional<int> SpriteIndexForPiece(const Piece& piece);

// Sprite index for a cannon by colour: red 0, blue 1, green 2. Emitters that
// are not cannons and cannons of any other colour have none.
std::optional<int> SpriteIndexForCannon(const Emitter& emitter);

// Draws piece `index` in its cell: the sprite turned to its direction (quarter
// and half turns exactly, diagonals by bilinear rotation of a 47 x 47 copy),
// reduced to the 16 standard colours, with white left transparent, at
// (Left * 50 - 48, Top * 50 - 48). A record without a sprite, or whose sprite
// is missing from `sprites`, shows the stand-in tile: a black question mark
// in a black frame on white, never turned. Directions above 7 count modulo 8.
// A record wholly outside the 451 x 451 board draws nothing. Turned pictures
// are kept across paints while their sprite's pixels stay the same
// (CachedCellPicture), so they are always the pictures made afresh would be.
// Does not look at Deleted: the caller passes only live records.
void DrawPiece(QPainter& painter, const Board& board, int index, const BitmapList& sprites);

// Draws emitter `index` if it is a cannon, like DrawPiece; the outputs of
// splitting pieces have no picture and draw nothing.
void DrawCannon(QPainter& painter, const Board& board, int index, const BitmapList& sprites);

} // namespace prismora
