// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Small enums shared by the drawing code of the gradient button and the scrolling banner.
#pragma once

namespace prismora {

// Direction in which a gradient's colour changes: Horizontal gives vertical
// stripes, Vertical horizontal ones.
enum class GradientDirection { Horizontal, Vertical };

// Where a caption's shadow lies relative to the caption.
enum class ShadowPosition { LeftTop, LeftBottom, RightBottom, RightTop };

// How a wallpaper covers a rectangle.
enum class WallpaperFit { Tiled, Stretched };

// Whether text is drawn in its normal colours or with the disabled emboss.
enum class TextState { Enabled, Disabled };

} // namespace prismora
