// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Measures of the lamp picture, shared by the lamp sprites and the application icon.
#pragma once

namespace prismora::spritegen::lampshape {

// Radii from the lamp's centre, in sprite pixels.
inline constexpr double RingOuter = 14.5;
inline constexpr double RingInner = 10.5;
inline constexpr double Glass = RingInner - 1.5;
inline constexpr double Glow = 6.5;
// Eight rays between the axes (so they never hide a beam crossing the lamp),
// from just outside the ring to the sprite's edge, RayBase wide at the ring.
inline constexpr double FirstRayDegrees = 22.5;
inline constexpr double RayInner = RingOuter + 1;
inline constexpr double RayOuter = 23.5;
inline constexpr double RayBase = 7;
// Cross-hair marks on the axes, across the ring.
inline constexpr double CrossHairInner = RingInner - 3;
inline constexpr double CrossHairOuter = RingOuter + 3;
inline constexpr double CrossHairWidth = 2;

} // namespace prismora::spritegen::lampshape
