// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What the board shows of a hint over everything else: a ghost of the piece to place, or a frame.
#pragma once

#include "core/level.h"
#include "graphics/bitmap_list.h"

class QPainter;

namespace prismora {

struct HintMark {
    enum class Look {
        PlaceHere, // a see-through picture of the piece in its cell and direction
        TakeBack,  // a striped frame round the cell of the piece to take back
    };
    Look look = Look::PlaceHere;
    // The piece to place (kind, cell, direction), or the one to take back.
    Piece piece;

    bool operator==(const HintMark&) const = default;
};

// Paints `mark` in board pixels over the board: the cell lit up in pale
// yellow under a half-transparent sprite in a black and yellow dashed
// frame, or a thick black and yellow striped frame.
void paintHintMark(QPainter& painter, const HintMark& mark, const BitmapList& sprites);

} // namespace prismora
