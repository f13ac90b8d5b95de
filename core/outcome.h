// The verdict on a traced position: lamps left, solved, no lamps, or a bomb.
#pragma once

#include "core/board.h"
#include "core/tracer.h"

#include <string>

namespace prismora {

struct LampCount {
    int lit = 0;
    int unlit = 0;
};

// Settles the lit state of white lamps (all three colours reached) and counts
// the live lamps that are lit and dark.
LampCount CountLamps(Board& board);

enum class Verdict {
    Bomb,      // a beam reached a bomb in play: the level starts over
    LampsLeft, // at least one lamp is dark
    Solved,    // every lamp is lit
    NoLamps,   // the board holds no lamp
};

struct VerdictResult {
    Verdict verdict;
    // The status line text for this verdict.
    std::string status;
};

// Sets Finished and returns the verdict with its status text. A bomb sets
// nothing but asks the caller to reload the level; the caller does that once
// its paint is over and then shows the bomb text (never from inside a paint).
VerdictResult ShowVerdict(Board& board, const LampCount& lamps);

// Traces, counts and judges the board once, as every repaint does.
VerdictResult EvaluateBoard(Board& board, SegmentSink* sink);

inline constexpr const char* BombText = "BOOOOOOM bara att börja om...";
inline constexpr const char* SolvedText = "Grattis! Du klarade det :)";
inline constexpr const char* NoLampsText = "Ingen level laddad";
inline constexpr const char* LampsLeftSuffix = " lampor kvar att tända";

} // namespace prismora
