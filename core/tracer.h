// The beam tracer: follows every beam across the board and records what it reaches.
#pragma once

#include "core/board.h"

#include <cstdint>
#include <optional>

namespace prismora {

// One straight piece of beam between two cell centres, in board pixels.
// Far-off cells (possible only with hand-edited files) give coordinates far
// outside the board, hence 64 bits.
struct BeamSegment {
    std::int64_t x1;
    std::int64_t y1;
    std::int64_t x2;
    std::int64_t y2;
    std::int32_t color;
};

// Receives the beam segments in the order they are traced.
class SegmentSink {
public:
    virtual ~SegmentSink() = default;
    virtual void DrawSegment(const BeamSegment& segment) = 0;
};

// Clears the per-repaint fields (lamp flags, piece outputs' Active, BombHit)
// and traces every active, live emitter in two passes of ascending index.
// `sink` may be null when only the board's results are wanted.
void TraceAll(Board& board, SegmentSink* sink);

// Follows the beam of emitter `index` until something stops it. A trace also
// ends when it enters a (cell, direction) it already entered, which can only
// happen with a piece standing on a cannon's cell.
void TraceBeam(Board& board, int index, SegmentSink* sink);

// The rule of piece `pieceIndex` for a beam arriving with direction
// `travel` and colour `color`: the beam's new direction, or nothing when the
// piece stops it. May feed the piece's output emitter.
std::optional<std::uint8_t> ApplyPiece(Board& board, int pieceIndex, std::uint8_t travel,
                                       std::int32_t color);

} // namespace prismora
