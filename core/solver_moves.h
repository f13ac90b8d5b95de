// Where a placed piece can change beams, and which of its directions differ there.
#pragma once

#include "core/board.h"
#include "core/tracer.h"

#include <array>
#include <cstdint>
#include <vector>

namespace prismora {

// A beam arriving at a cell: its direction of travel and its colour.
struct Arrival {
    std::uint8_t dir = 0;
    std::int32_t color = 0;

    bool operator==(const Arrival&) const = default;
};

// Collects, from the segments of a trace, the beams arriving at each board
// cell (columns and rows 1..9). Segments drawn twice (both passes) count once.
class BeamCrossings : public SegmentSink {
public:
    void DrawSegment(const BeamSegment& segment) override;

    const std::vector<Arrival>& ArrivalsAt(int col, int row) const;
    // Cells that hold nothing (no piece, no emitter) and that a beam enters,
    // in row-major order: the only cells where a new piece changes a beam.
    std::vector<std::array<int, 2>> FreeCrossedCells(const Board& board) const;

private:
    std::array<std::vector<Arrival>, BoardCells * BoardCells> m_arrivals;
};

// What a piece does with one arriving beam, by the game's own piece rules.
struct Response {
    int newDir = -1;    // -1: blocked
    int outputDir = -1; // -1: the output is not fed
    std::int32_t outputColor = 0;

    bool operator==(const Response&) const = default;
};

// The rules of the placeable kinds for every direction, arrival direction and
// beam colour, worked out once with ApplyPiece on a scratch board.
class ResponseTable {
public:
    ResponseTable();

    Response Respond(PieceKind kind, std::uint8_t dir, const Arrival& arrival) const;
    // One direction of each group of directions that treat all `arrivals`
    // alike, lowest first.
    std::vector<std::uint8_t> DistinctDirections(PieceKind kind,
                                                 const std::vector<Arrival>& arrivals) const;

private:
    static constexpr int KindSlots = 16;
    static constexpr int ColorSlots = 4; // red, green, blue, any other
    std::array<Response, KindSlots * 8 * 8 * ColorSlots> m_table{};
};

} // namespace prismora
