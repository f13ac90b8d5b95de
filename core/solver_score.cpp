// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Scoring a position by how close to solved it is: lamps lit, and beams of the colours missing.
#include "core/solver_score.h"

namespace prismora {
namespace {

constexpr std::uint8_t RedBit = 1;
constexpr std::uint8_t GreenBit = 2;
constexpr std::uint8_t BlueBit = 4;

// Per colour a lamp needs (one, or three for a white lamp): reached beats in
// line plus existing, so that no step towards solving lowers the score.
constexpr int ColourReachedScore = 5;
constexpr int ColourExistsScore = 1;
constexpr int ColourInLineScore = 2;

std::uint8_t colourBit(std::int32_t colour)
{
    switch (colour) {
    case RedBeam:
        return RedBit;
    case GreenBeam:
        return GreenBit;
    case BlueBeam:
        return BlueBit;
    default:
        return 0;
    }
}

std::size_t cellIndex(std::int64_t column, std::int64_t row)
{
    return static_cast<std::size_t>(row * 11 + column);
}

std::uint8_t neededColours(PieceKind lamp)
{
    switch (lamp) {
    case PieceKind::RedLamp:
        return RedBit;
    case PieceKind::GreenLamp:
        return GreenBit;
    case PieceKind::BlueLamp:
        return BlueBit;
    default:
        return RedBit | GreenBit | BlueBit;
    }
}

std::uint8_t missingColours(PieceKind kind, const PieceLight& light)
{
    if (light.lit) {
        return 0;
    }
    if (kind != PieceKind::WhiteLamp) {
        return neededColours(kind);
    }
    const int hits = (light.redHit ? RedBit : 0) | (light.greenHit ? GreenBit : 0) |
                     (light.blueHit ? BlueBit : 0);
    return static_cast<std::uint8_t>(neededColours(kind) & ~hits);
}

// Board cells holding no live piece or source.
std::array<bool, 11 * 11> freeCells(const Level& level)
{
    std::array<bool, 11 * 11> free{};
    for (int row = 1; row <= BoardCells; ++row) {
        for (int column = 1; column <= BoardCells; ++column) {
            free[cellIndex(column, row)] = true;
        }
    }
    const auto occupy = [&free](std::int32_t column, std::int32_t row) {
        if (isBoardCell(column, row)) {
            free[cellIndex(column, row)] = false;
        }
    };
    for (const Piece& piece : level.pieces) {
        if (!piece.removed) {
            occupy(piece.column, piece.row);
        }
    }
    for (std::size_t i = 0; i < level.sources.size(); ++i) {
        if (!isSourceRemoved(level, static_cast<int>(i))) {
            const Cell cell = sourceCell(level, static_cast<int>(i));
            occupy(cell.column, cell.row);
        }
    }
    return free;
}

// Colours of beams crossing free cells on the eight straight lines from the
// lamp, up to the first cell that is not free. Lamps off the board see none.
std::uint8_t coloursInLine(const std::array<bool, 11 * 11>& free, const ColourCoverage& coverage,
                           const Piece& lamp)
{
    std::uint8_t seen = 0;
    if (!isBoardCell(lamp.column, lamp.row)) {
        return seen;
    }
    for (std::uint8_t direction = 0; direction < 8; ++direction) {
        const Step step = stepOf(direction);
        int column = lamp.column + step.dx;
        int row = lamp.row + step.dy;
        while (isBoardCell(column, row) && free[cellIndex(column, row)]) {
            seen |= coverage.coloursAt(column, row);
            column += step.dx;
            row += step.dy;
        }
    }
    return seen;
}

int countBits(std::uint8_t bits) { return (bits & 1) + ((bits >> 1) & 1) + ((bits >> 2) & 1); }

} // namespace

ColourCoverage::ColourCoverage(const Evaluation& evaluation)
{
    for (const BeamSegment& segment : evaluation.segments) {
        const std::uint8_t bit = colourBit(segment.colour);
        m_anywhere |= bit;
        if (segment.toColumn >= 0 && segment.toColumn <= 10 && segment.toRow >= 0 &&
            segment.toRow <= 10) {
            m_cells[cellIndex(segment.toColumn, segment.toRow)] |= bit;
        }
    }
}

std::uint8_t ColourCoverage::coloursAt(int column, int row) const
{
    return m_cells[cellIndex(column, row)];
}

int positionScore(const Level& level, const Evaluation& evaluation, const ColourCoverage& coverage)
{
    const std::array<bool, 11 * 11> free = freeCells(level);
    int score = 0;
    for (std::size_t i = 0; i < level.pieces.size(); ++i) {
        const Piece& lamp = level.pieces[i];
        if (lamp.removed || !isLampKind(lamp.kind)) {
            continue;
        }
        const std::uint8_t missing = missingColours(lamp.kind, evaluation.pieces[i]);
        score += ColourReachedScore * (countBits(neededColours(lamp.kind)) - countBits(missing));
        if (missing == 0) {
            continue;
        }
        score += ColourExistsScore * countBits(missing & coverage.coloursAnywhere());
        score += ColourInLineScore * countBits(missing & coloursInLine(free, coverage, lamp));
    }
    return score;
}

} // namespace prismora
