// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Painting the board into a picture for the command line and the solution snapshot.
#pragma once

#include "core/evaluation.h"
#include "core/level.h"
#include "graphics/bitmap_list.h"
#include "graphics/export_bitmap.h"

#include <QImage>

namespace prismora {

// The board exactly as the game shows it, in a new 451 x 451 Format_RGB32 picture.
QImage renderBoard(const Level& level, const Evaluation& evaluation, const BitmapList& sprites);

// The picture as a 24-bit export bitmap for SaveBitmapToFile.
ExportBitmap toExportBitmap(const QImage& image);

} // namespace prismora
