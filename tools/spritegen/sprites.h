// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The 21 piece sprites, one drawing function each, facing east on white.
#pragma once

#include <QImage>

#include <vector>

namespace prismora::spritegen {

// Cannons: an oval body with a nozzle pointing east.
QImage redCannon();
QImage blueCannon();
QImage greenCannon();
// Mirrors: vertical through the centre.
QImage mirror();
QImage doubleMirror();
// Lamps: a disc in a ring with cross-hair marks; lit ones glow with rays.
QImage redLampDark();
QImage blueLampDark();
QImage greenLampDark();
QImage redLampLit();
QImage blueLampLit();
QImage greenLampLit();
QImage whiteLampDark();
QImage whiteLampLit();
// Channels and splitters.
QImage cross();
QImage tCoupling();
QImage tCoupling2();
QImage yCoupling();
QImage inverter();
QImage oneWay();
// Blocks.
QImage obstacle();
QImage bomb();

// All 21 sprites in their index order (0 red cannon ... 20 white lamp lit).
std::vector<QImage> spriteSet();

} // namespace prismora::spritegen
