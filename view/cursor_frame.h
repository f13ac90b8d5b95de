// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The keyboard cursor's frame around one cell of the board.
#pragma once

#include "core/level.h"

class QPainter;

namespace prismora {

// Whether the keys carry a record in the framed cell.
enum class CursorLook { Free, Carrying };

// Frames `cell` (columns and rows 1..9) in board pixels just inside its grid
// lines: a thin yellow frame, a thick one while a record is carried, each
// edged in black so it shows on the silver board and on every beam colour.
void paintCursorFrame(QPainter& painter, Cell cell, CursorLook look);

} // namespace prismora
