// Scoring searched positions for the solver's best-first order.
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

std::uint8_t ColourBit(std::int32_t color)
{
    switch (color) {
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

std::size_t CellIndex(std::int64_t col, std::int64_t row)
{
    return static_cast<std::size_t>(row * 11 + col);
}

// Colours a lamp needs, and those of them it still lacks.
std::uint8_t NeededColours(const Piece& lamp)
{
    switch (lamp.Kind) {
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

std::uint8_t MissingColours(const Piece& lamp)
{
    if (lamp.Lit) {
        return 0;
    }
    if (lamp.Kind != PieceKind::WhiteLamp) {
        return NeededColours(lamp);
    }
    const int hits =
        (lamp.RedHit ? RedBit : 0) | (lamp.GreenHit ? GreenBit : 0) | (lamp.BlueHit ? BlueBit : 0);
    return static_cast<std::uint8_t>(NeededColours(lamp) & ~hits);
}

// Colours of beams crossing free cells on the eight straight lines from the
// lamp, up to the first cell that is not free.
std::uint8_t ColoursInLine(const Board& board, const ColourCoverage& coverage, const Piece& lamp)
{
    std::uint8_t seen = 0;
    for (std::uint8_t dir = 0; dir < 8; ++dir) {
        const Step step = StepOf(dir);
        int col = lamp.Left + step.dx;
        int row = lamp.Top + step.dy;
        while (col >= 1 && col <= BoardCells && row >= 1 && row <= BoardCells &&
               board.PieceAt(col, row) == Board::EmptyCellIndex) {
            seen |= coverage.ColoursAt(col, row);
            col += step.dx;
            row += step.dy;
        }
    }
    return seen;
}

int CountBits(std::uint8_t bits) { return (bits & 1) + ((bits >> 1) & 1) + ((bits >> 2) & 1); }

} // namespace

void ColourCoverage::DrawSegment(const BeamSegment& segment)
{
    const std::uint8_t bit = ColourBit(segment.color);
    m_anywhere |= bit;
    const std::int64_t col = (segment.x2 + 24) / CellSize;
    const std::int64_t row = (segment.y2 + 24) / CellSize;
    if (col >= 0 && col <= 10 && row >= 0 && row <= 10) {
        m_cells[CellIndex(col, row)] |= bit;
    }
}

std::uint8_t ColourCoverage::ColoursAt(int col, int row) const
{
    return m_cells[CellIndex(col, row)];
}

int PositionScore(const Board& board, const ColourCoverage& coverage)
{
    int score = 0;
    for (int i = 0; i < board.PieceCount; ++i) {
        const Piece& lamp = board.Pieces[i];
        if (lamp.Deleted || !IsLampKind(lamp.Kind)) {
            continue;
        }
        const std::uint8_t missing = MissingColours(lamp);
        score += ColourReachedScore * (CountBits(NeededColours(lamp)) - CountBits(missing));
        if (missing == 0) {
            continue;
        }
        score += ColourExistsScore * CountBits(missing & coverage.ColoursAnywhere());
        score += ColourInLineScore * CountBits(missing & ColoursInLine(board, coverage, lamp));
    }
    return score;
}

} // namespace prismora
