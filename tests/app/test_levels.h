// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Small level files for the window tests, each with an obvious answer.
#pragma once

#include "window_test_support.h"

namespace prismora::windowtest {

// The level texts keep one section per line.
// clang-format off

// A red cannon at column 1, row 5 firing east and a red lamp at column 5,
// row 1; the one mirror in the palette, set at column 5, row 5 and turned
// to direction 3, sends the beam north into the lamp.
inline QString mirrorLevel()
{
    return levelText({"[LevelParametrar]", "Namn=Första", "Playing=True", "Empty=True",
                      "[Sak0]", "Typ=5", "Top=1", "Left=5", "Direction=0",
                      "[Sak1]", "Typ=0", "Top=5", "Left=5", "Direction=3",
                      "[Cannon0]", "Top=5", "Left=1", "Direction=0", "Color=255"});
}

// As mirrorLevel, but the mirror's answer sends the beam into a bomb at
// column 5, row 1; the lamp stands out of reach at column 9, row 9.
inline QString bombLevel()
{
    return levelText({"[LevelParametrar]", "Namn=Bomb", "Empty=True",
                      "[Sak0]", "Typ=13", "Top=1", "Left=5", "Direction=0",
                      "[Sak1]", "Typ=5", "Top=9", "Left=9", "Direction=0",
                      "[Sak2]", "Typ=0", "Top=5", "Left=5", "Direction=3",
                      "[Cannon0]", "Top=5", "Left=1", "Direction=0", "Color=255"});
}

// A saved position whose cannon fires straight into a bomb.
inline QString explodingPosition()
{
    return levelText({"[LevelParametrar]", "Namn=Boom", "Playing=True", "Empty=False",
                      "[Sak0]", "Typ=13", "Top=5", "Left=9", "Direction=0",
                      "[Sak1]", "Typ=5", "Top=9", "Left=9", "Direction=0",
                      "[Cannon0]", "Top=5", "Left=1", "Direction=0", "Color=255"});
}

// A level already solved as loaded: the cannon's beam runs into the lamp.
inline QString solvedLevel()
{
    return levelText({"[LevelParametrar]", "Namn=Klar", "Empty=True",
                      "[Sak0]", "Typ=5", "Top=5", "Left=5", "Direction=0",
                      "[Cannon0]", "Top=5", "Left=1", "Direction=0", "Color=255"});
}

// clang-format on

} // namespace prismora::windowtest
