// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Nearest-colour match onto the sixteen standard colours.
#include "standard_colours.h"

namespace prismora::spritegen {

QRgb nearestStandardColour(QRgb colour)
{
    QRgb best = StandardColours.front();
    int bestDistance = -1;
    for (const QRgb candidate : StandardColours) {
        const int dr = qRed(colour) - qRed(candidate);
        const int dg = qGreen(colour) - qGreen(candidate);
        const int db = qBlue(colour) - qBlue(candidate);
        const int distance = dr * dr + dg * dg + db * db;
        if (bestDistance < 0 || distance < bestDistance) {
            best = candidate;
            bestDistance = distance;
        }
    }
    return best;
}

} // namespace prismora::spritegen
