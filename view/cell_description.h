// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What a screen reader says about one cell of the board: what stands there and which beams cross
// it.
#pragma once

#include "core/evaluation.h"
#include "core/level.h"

#include <QString>

namespace prismora {

// "Kolumn <c>, rad <r>: " and then, separated by "; ", each live piece on
// the cell from the one on top (its name; a lamp lit or dark and the colours
// a white lamp got; the way a turnable piece faces), each cannon there (its
// name and the way it fires), and each colour of beam that enters or leaves
// the cell; "tom" when there is none of these. Columns and rows count from 1.
// A null level is the empty board.
QString describeCell(const Level* level, const Evaluation* evaluation, Cell cell);

} // namespace prismora
