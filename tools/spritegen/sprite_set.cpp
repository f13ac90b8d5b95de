// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The sprite index order: which picture stands at which index.
#include "sprites.h"

namespace prismora::spritegen {

std::vector<QImage> spriteSet()
{
    // Note the crossed order: blue comes before green for cannons and lamps.
    return {
        redCannon(),     // 0
        blueCannon(),    // 1
        greenCannon(),   // 2
        mirror(),        // 3
        doubleMirror(),  // 4
        redLampDark(),   // 5
        blueLampDark(),  // 6
        greenLampDark(), // 7
        cross(),         // 8
        obstacle(),      // 9
        tCoupling(),     // 10
        tCoupling2(),    // 11
        inverter(),      // 12
        redLampLit(),    // 13
        blueLampLit(),   // 14
        greenLampLit(),  // 15
        yCoupling(),     // 16
        bomb(),          // 17
        oneWay(),        // 18
        whiteLampDark(), // 19
        whiteLampLit(),  // 20
    };
}

} // namespace prismora::spritegen
