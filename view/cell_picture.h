// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A picture drawn into one board cell: its pixels and where they are opaque.
#pragma once

#include "view/pixel_spans.h"

#include <QImage>

namespace prismora {

// Every pixel of `pixels` is either transparent or opaque (turned sprites
// and the stand-in tile have nothing in between), so drawing the picture
// over the board is copying the pixels under `opaque`.
struct CellPicture {
    QImage pixels; // Format_ARGB32_Premultiplied
    SpanShape opaque;
};

// The cell picture of `pixels`; pixels with any alpha count as opaque.
CellPicture makeCellPicture(const QImage& pixels);

// The picture enlarged `factor` times by repeating pixels (no smoothing).
CellPicture enlargedCellPicture(const CellPicture& picture, int factor);

} // namespace prismora
