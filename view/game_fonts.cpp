// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The game's typefaces by family lists, so every part of the window draws with the same faces.
#include "view/game_fonts.h"

#include <QStringList>

namespace prismora {
namespace {

QFont makeFont(const QStringList& families, QFont::StyleHint hint, int pixelSize,
               QFont::Weight weight)
{
    QFont font;
    font.setFamilies(families);
    font.setStyleHint(hint);
    font.setPixelSize(pixelSize);
    font.setWeight(weight);
    return font;
}

} // namespace

QFont gameComicFont(int pixelSize, QFont::Weight weight)
{
    return makeFont({QStringLiteral("Comic Neue"), QStringLiteral("Comic Sans MS")}, QFont::Cursive,
                    pixelSize, weight);
}

QFont gameSansFont(int pixelSize, QFont::Weight weight)
{
    return makeFont({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"),
                     QStringLiteral("DejaVu Sans"), QStringLiteral("Arial")},
                    QFont::SansSerif, pixelSize, weight);
}

QFont gameSerifFont(int pixelSize, QFont::Weight weight)
{
    return makeFont({QStringLiteral("Liberation Serif"), QStringLiteral("Times New Roman"),
                     QStringLiteral("DejaVu Serif")},
                    QFont::Serif, pixelSize, weight);
}

} // namespace prismora
