// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The picture shown for a piece or cannon that has no sprite.
#pragma once

#include <QImage>

namespace prismora {

// A 48 x 48 picture, transparent outside a centred 32 x 32 white tile with a
// 2-pixel black frame and a black question mark. Built once from pixel art
// (no fonts), so it looks the same everywhere. Shown, never turned, for
// records whose kind or cannon colour has no sprite and for sprites missing
// from the set.
const QImage& standInTile();

} // namespace prismora
