// Where a placed piece can change beams, and which of its directions differ there.
#pragma once

#include "core/evaluation.h"
#include "core/level.h"

#include <array>
#include <cstdint>
#include <vector>

namespace prismora {

// A beam arriving at a cell: its direction of travel and its colour.
struct Arrival {
    std::uint8_t direction = 0;
    std::int32_t colour = 0;

    bool operator==(const Arrival&) const = default;
};

// The beams arriving at each board cell (columns and rows 1..9) in an
// evaluation. Segments traced twice (both passes) count once.
class BeamCrossings {
public:
    explicit BeamCrossings(const Evaluation& evaluation);

    const std::vector<Arrival>& arrivalsAt(int column, int row) const;
    // Cells that hold nothing (no piece, no source) and that a beam enters,
    // in row-major order: the only cells where a new piece changes a beam.
    std::vector<std::array<int, 2>> freeCrossedCells(const Level& level) const;

private:
    std::array<std::vector<Arrival>, BoardCells * BoardCells> m_arrivals;
};

// What a piece does with one arriving beam, by the game's own piece rules.
struct Response {
    int newDirection = -1;    // -1: blocked
    int outputDirection = -1; // -1: the output is not fed
    std::int32_t outputColour = 0;

    bool operator==(const Response&) const = default;
};

// The rules of the piece kinds for every direction, arrival direction and
// beam colour, worked out once.
class ResponseTable {
public:
    ResponseTable();

    Response respondTo(PieceKind kind, std::uint8_t direction, const Arrival& arrival) const;
    // One direction of each group of directions that treat all `arrivals`
    // alike, lowest first.
    std::vector<std::uint8_t> distinctDirections(PieceKind kind,
                                                 const std::vector<Arrival>& arrivals) const;

private:
    static constexpr int KindSlots = 16;
    static constexpr int ColourSlots = 4; // red, green, blue, any other
    std::array<Response, KindSlots * 8 * 8 * ColourSlots> m_table{};
};

} // namespace prismora
