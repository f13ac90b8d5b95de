// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The colour-blind aid: beams told apart by pattern, and colour letters on lamps, cannons and rows.
#pragma once

#include "core/evaluation.h"
#include "core/level.h"

#include <QImage>

#include <optional>
#include <vector>

class QPainter;
class QRect;

namespace prismora {

// Whether the board and the palette carry the colour-blind aid. Off, they
// are drawn exactly as without it.
enum class ColourAid { Off, On };

// The letter of a colour as the aid shows it: R red, G green, B blue, and V
// for a white lamp. Nothing for kinds, cannon colours and rows without one.
std::optional<char> colourLetterOfKind(PieceKind kind);
std::optional<char> colourLetterOfCannon(std::int32_t colour);
std::optional<char> colourLetterOfRow(int row);

// How a letter is shown: black on white, or faint (a white lamp's colour
// that does not reach it).
enum class LetterLook { Strong, Faint };

// A letter in a small framed box filling `box`.
void paintLetterBox(QPainter& painter, const QRect& box, char letter, LetterLook look);

// Gives the beams of `segments` their patterns in `image` (painted at
// `scale`, beams already drawn over `background`, pieces not yet): red stays
// solid, green is cut into dashes and blue into dots, by putting back the
// background where a pattern leaves a gap and the beam's colour still
// shows. Segments that are not one-cell steps keep their pixels.
void patternBeams(QImage& image, const QImage& background, int scale,
                  const std::vector<BeamSegment>& segments);

// Draws over the pieces the letter of every live lamp and cannon; a white
// lamp also gets R, G and B, strong for each colour that reaches it.
void paintColourLetters(QImage& image, int scale, const Level& level, const Evaluation& evaluation);

} // namespace prismora
