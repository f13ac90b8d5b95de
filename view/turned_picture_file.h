// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The standard sprites turned to every direction, packed into one file that is compiled in.
#pragma once

#include "view/cell_picture.h"

#include <QByteArray>
#include <QImage>

#include <optional>
#include <vector>

namespace prismora {

// Bytes of one packed 48 x 48 picture: two pixels a byte.
inline constexpr int PackedTurnedPictureBytes = 48 * 48 / 2;

// Packs turned sprite pictures (48 x 48, every pixel transparent or opaque in
// one of the 16 standard colours, as turnedSpritePicture makes them) one
// after the other, each pixel as its standard palette index (the left pixel
// of a pair in the high half of the byte), white's index 15 standing for
// transparent. Nothing when a picture is of another size or holds another colour.
std::optional<QByteArray> packTurnedPictures(const std::vector<QImage>& pictures);

// Picture `index` (from 0) of those packed in `bytes` as a cell picture (as
// makeCellPicture makes it of the picture packed); nothing when `bytes` does
// not hold it.
std::optional<CellPicture> unpackTurnedPicture(const QByteArray& bytes, int index);

} // namespace prismora
