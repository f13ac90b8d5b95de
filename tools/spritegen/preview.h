// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Review pictures of the sprites as they would look on the board.
#pragma once

#include <QImage>
#include <QString>

#include <vector>

namespace prismora::spritegen {

// `sprite` (48 x 48, facing east) turned to direction 0..7, 45 degrees per step
// counter-clockwise: quarter turns exact, diagonals cut to 47 x 47 and turned
// about pixel (23, 23) with bilinear sampling, uncovered pixels white.
QImage turnedSprite(const QImage& sprite, int direction);

// Writes sheet.png (every sprite on a board cell with a red beam, 3x, seven to
// a row), turns.png (every sprite in the eight directions, 2x, one sprite per
// row) and wallpaper.png (the wallpaper tiled 2 x 2, to check the seams) into
// `folder`. Returns false when a file cannot be written.
bool writePreview(const std::vector<QImage>& sprites, const QImage& wallpaper,
                  const QString& folder);

} // namespace prismora::spritegen
