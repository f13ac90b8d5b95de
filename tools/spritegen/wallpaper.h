// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The button wallpaper: dark blue with translucent bubble rings.
#pragma once

#include <QImage>

namespace prismora::spritegen {

inline constexpr int WallpaperSize = 256;

// A 256 x 256 Format_Indexed8 picture with a 256-entry palette running from
// near black through dark blue to pale blue. It tiles seamlessly: bubbles that
// cross an edge come back on the opposite side.
QImage wallpaper();

} // namespace prismora::spritegen
