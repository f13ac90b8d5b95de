// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Pictures of single pieces and cannons as the board draws them, for the help.
#pragma once

#include "core/piece_kind.h"
#include "graphics/bitmap_list.h"

#include <QImage>

#include <cstdint>

namespace prismora {

// A 48 x 48 picture of a piece of `kind` facing east, dark, with white
// transparent, as the board draws it.
QImage pieceIcon(PieceKind kind, const BitmapList& sprites);

// The same for a cannon of `colour`.
QImage cannonIcon(std::int32_t colour, const BitmapList& sprites);

} // namespace prismora
