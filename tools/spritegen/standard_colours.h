// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The sixteen standard colours the sprites are drawn in, and the nearest-colour match.
#pragma once

#include <QRgb>

#include <array>

namespace prismora::spritegen {

// Full and half intensities; "dark" is the half-intensity variant.
inline constexpr QRgb Black = 0xFF000000;
inline constexpr QRgb DarkRed = 0xFF800000;
inline constexpr QRgb DarkGreen = 0xFF008000;
inline constexpr QRgb DarkYellow = 0xFF808000;
inline constexpr QRgb DarkBlue = 0xFF000080;
inline constexpr QRgb DarkMagenta = 0xFF800080;
inline constexpr QRgb DarkCyan = 0xFF008080;
inline constexpr QRgb Grey = 0xFF808080;
inline constexpr QRgb Silver = 0xFFC0C0C0;
inline constexpr QRgb Red = 0xFFFF0000;
inline constexpr QRgb Green = 0xFF00FF00;
inline constexpr QRgb Yellow = 0xFFFFFF00;
inline constexpr QRgb Blue = 0xFF0000FF;
inline constexpr QRgb Magenta = 0xFFFF00FF;
inline constexpr QRgb Cyan = 0xFF00FFFF;
inline constexpr QRgb White = 0xFFFFFFFF;

inline constexpr std::array<QRgb, 16> StandardColours = {
    Black,  DarkRed, DarkGreen, DarkYellow, DarkBlue, DarkMagenta, DarkCyan, Grey,
    Silver, Red,     Green,     Yellow,     Blue,     Magenta,     Cyan,     White};

// The standard colour closest to `colour` (squared RGB distance, alpha ignored);
// the result is always opaque. Ties go to the colour listed first.
QRgb nearestStandardColour(QRgb colour);

} // namespace prismora::spritegen
