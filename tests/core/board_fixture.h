// Small helpers for building boards by hand in the core tests.
#pragma once

#include "core/board.h"
#include "core/tracer.h"

#include <vector>

namespace prismora::testing {

// Collects every traced segment in order.
class RecordingSink : public SegmentSink {
public:
    void DrawSegment(const BeamSegment& segment) override { segments.push_back(segment); }
    std::vector<BeamSegment> segments;
};

inline int Place(Board& board, PieceKind kind, int column, int row, int direction = 0)
{
    return *board.AppendPiece(kind, column, row, static_cast<std::uint8_t>(direction));
}

inline int Cannon(Board& board, int column, int row, int direction, std::int32_t color)
{
    return *board.AppendCannon(column, row, static_cast<std::uint8_t>(direction), color);
}

// The cell a segment ends in.
inline std::pair<std::int64_t, std::int64_t> EndCell(const BeamSegment& segment)
{
    return {(segment.x2 + 24) / 50, (segment.y2 + 24) / 50};
}

} // namespace prismora::testing
