// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Evaluating a level: every beam traced, the lamps it lights, a bomb hit, and the verdict.
#pragma once

#include "core/level.h"
#include "core/verdict.h"

#include <cstdint>
#include <string>
#include <vector>

namespace prismora {

// One step of a beam, from the centre of one cell to the centre of the next,
// in cell coordinates. Hand-edited files can place sources anywhere in the
// 32-bit range, and a beam takes one step past them, hence 64 bits.
struct BeamSegment {
    std::int64_t fromColumn;
    std::int64_t fromRow;
    std::int64_t toColumn;
    std::int64_t toRow;
    std::int32_t colour;

    bool operator==(const BeamSegment&) const = default;
};

// What the beams did to one piece record (all false for records that are not lamps).
struct PieceLight {
    bool lit = false;
    // White lamps: which colours reached it.
    bool redHit = false;
    bool greenHit = false;
    bool blueHit = false;

    bool operator==(const PieceLight&) const = default;
};

// One beam source after the trace. For a cannon its own direction and
// colour; for an output the beam it sends out when fed. An output keeps the
// direction and colour it last carried until it is fed again.
struct SourceState {
    bool active = false; // emitted in this evaluation
    std::uint8_t direction = 0;
    std::int32_t colour = WhiteBeam;
    bool removed = true; // as the level had it at this evaluation

    bool operator==(const SourceState&) const = default;
};

struct Evaluation {
    // In tracing order: every active source in index order, twice (a source
    // fed during the first pass is traced in it if its index is still ahead,
    // and in the second pass in any case).
    std::vector<BeamSegment> segments;
    std::vector<PieceLight> pieces;   // by piece index
    std::vector<SourceState> sources; // by source index
    bool bombHit = false;             // only in play mode
    int litLamps = 0;
    int unlitLamps = 0;
    Verdict verdict = Verdict::NoLamps;

    bool isFinished() const { return prismora::isFinished(verdict); }
    std::string statusText() const { return prismora::statusText(verdict, unlitLamps); }
};

// Traces every beam of `level` and judges the position. Outputs start
// inactive, pointing east in white, as after a load.
//
// A beam starts at its source's cell (which it does not examine) and steps
// one cell at a time: lamps and empty cells pass it (a lamp of its colour is
// lit; a white lamp records the colour), a bomb ends it (in play it is a bomb
// hit), a cannon's empty cell and anything beyond columns and rows 0..9 end
// it, and every other piece acts by its rule (see respond); the lowest piece
// index on a cell is the one that acts. A trace also ends when it enters a
// (cell, direction) it entered before, which only a piece standing on a
// cannon's cell makes possible.
Evaluation evaluate(const Level& level);

// Evaluates `level` again into `evaluation`, which holds the evaluation of
// the same level before the last change: outputs that were on the board then
// keep the direction and colour they last carried (an inverter fed a colour
// it cannot change passes on the colour its output had). Reuses the
// evaluation's memory.
void reevaluate(const Level& level, Evaluation& evaluation);

} // namespace prismora
