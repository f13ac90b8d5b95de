// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The sprites turned to every direction by the game's own code, packed for the resources.
#pragma once

#include <QByteArray>
#include <QImage>

#include <optional>
#include <vector>

namespace prismora::spritegen {

// The 8 turned pictures of every sprite in order (sprite 0 directions 0..7,
// then sprite 1, ...), as the board draws them, packed by packTurnedPictures;
// nothing when a picture cannot be packed.
std::optional<QByteArray> turnedPictureFile(const std::vector<QImage>& sprites);

} // namespace prismora::spritegen
