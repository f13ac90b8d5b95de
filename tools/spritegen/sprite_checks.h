// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Checks every generated sprite against the rules the game relies on.
#pragma once

#include <QImage>
#include <QString>

#include <vector>

namespace prismora::spritegen {

// Empty when all is well, else one line per fault: every sprite 48 x 48, opaque,
// in the standard colours only; sprite 9 (the obstacle block) without any white,
// every other sprite with a white border row and column all round.
std::vector<QString> checkSprites(const std::vector<QImage>& sprites);

} // namespace prismora::spritegen
