// How promising a searched position is: lamps lit, and beams of the colours still missing.
#pragma once

#include "core/board.h"
#include "core/tracer.h"

#include <array>
#include <cstdint>

namespace prismora {

// Records which of red, green and blue enter each cell during a trace.
class ColourCoverage : public SegmentSink {
public:
    void DrawSegment(const BeamSegment& segment) override;

    // Bits 1 red, 2 green, 4 blue.
    std::uint8_t ColoursAt(int col, int row) const;
    std::uint8_t ColoursAnywhere() const { return m_anywhere; }

private:
    std::array<std::uint8_t, 11 * 11> m_cells{};
    std::uint8_t m_anywhere = 0;
};

// Higher is closer to solved: each colour a lamp needs (three for a white
// lamp) counts most once it reaches the lamp; a colour still missing counts a
// little when some beam of it exists and more when such a beam crosses a free
// cell in a straight line from the lamp (one more piece could send it there).
int PositionScore(const Board& board, const ColourCoverage& coverage);

} // namespace prismora
