// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The game's own look: the style of its buttons and its scrolling banner.
#pragma once

#include "view/game_fonts.h"

class QImage;
class QWidget;

namespace prismora {

class GradientButton;
class ScrollingBanner;

// The look every command button and arrow of the game window shares: bold
// yellow 11-pixel sans caption drawn plainly over the tiled wallpaper, raised
// edge only under the pointer; red-to-blue gradient colours and blue face
// colour as fallbacks, background taken from the top-level window when
// painted transparently.
void applyGameButtonStyle(GradientButton& button, const QImage& wallpaper);

// A 225 × 25 active banner on parent in a 21-pixel serif face, aqua over the
// tiled wallpaper; the window gives it its line, in the player's language.
// The caller places it (e.g. move(x, y)); it starts scrolling when it is shown.
ScrollingBanner* createGameBanner(QWidget* parent, const QImage& wallpaper);

} // namespace prismora
