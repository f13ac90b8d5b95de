// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The game's three typefaces, each with the look-alikes used where the original face is missing.
#pragma once

#include <QFont>

namespace prismora {

// Comic Sans MS look-alike: "Comic Neue", then any casual face.
QFont gameComicFont(int pixelSize, QFont::Weight weight = QFont::Normal);

// MS Sans Serif look-alike: "Liberation Sans" or "DejaVu Sans", then any sans serif.
QFont gameSansFont(int pixelSize, QFont::Weight weight = QFont::Normal);

// Times New Roman look-alike: "Liberation Serif", then any serif.
QFont gameSerifFont(int pixelSize, QFont::Weight weight = QFont::Normal);

} // namespace prismora
