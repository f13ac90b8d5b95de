// Beam crossings from an evaluation, and the piece rules tabulated per direction.
#include "core/solver_moves.h"

#include "core/piece_rules.h"

#include <algorithm>

namespace prismora {
namespace {

int sign(std::int64_t value) { return (value > 0) - (value < 0); }

int directionOf(int dx, int dy)
{
    for (int direction = 0; direction < 8; ++direction) {
        const Step step = stepOf(static_cast<std::uint8_t>(direction));
        if (step.dx == dx && step.dy == dy) {
            return direction;
        }
    }
    return -1;
}

int colourSlot(std::int32_t colour)
{
    switch (colour) {
    case RedBeam:
        return 0;
    case GreenBeam:
        return 1;
    case BlueBeam:
        return 2;
    default:
        return 3;
    }
}

constexpr std::array<std::int32_t, 4> SlotColours{RedBeam, GreenBeam, BlueBeam, WhiteBeam};

std::size_t cellSlot(int column, int row)
{
    return static_cast<std::size_t>((row - 1) * BoardCells + (column - 1));
}

bool isFreeCell(const Level& level, int column, int row)
{
    for (const Piece& piece : level.pieces) {
        if (!piece.removed && piece.column == column && piece.row == row) {
            return false;
        }
    }
    for (std::size_t i = 0; i < level.sources.size(); ++i) {
        const Cell cell = sourceCell(level, static_cast<int>(i));
        if (!isSourceRemoved(level, static_cast<int>(i)) && cell.column == column &&
            cell.row == row) {
            return false;
        }
    }
    return true;
}

} // namespace

BeamCrossings::BeamCrossings(const Evaluation& evaluation)
{
    for (const BeamSegment& segment : evaluation.segments) {
        const int direction = directionOf(sign(segment.toColumn - segment.fromColumn),
                                          sign(segment.toRow - segment.fromRow));
        if (!isBoardCell(segment.toColumn, segment.toRow) || direction < 0) {
            continue;
        }
        std::vector<Arrival>& arrivals = m_arrivals[cellSlot(static_cast<int>(segment.toColumn),
                                                             static_cast<int>(segment.toRow))];
        const Arrival arrival{static_cast<std::uint8_t>(direction), segment.colour};
        if (std::find(arrivals.begin(), arrivals.end(), arrival) == arrivals.end()) {
            arrivals.push_back(arrival);
        }
    }
}

const std::vector<Arrival>& BeamCrossings::arrivalsAt(int column, int row) const
{
    return m_arrivals[cellSlot(column, row)];
}

std::vector<std::array<int, 2>> BeamCrossings::freeCrossedCells(const Level& level) const
{
    std::vector<std::array<int, 2>> cells;
    for (int row = 1; row <= BoardCells; ++row) {
        for (int column = 1; column <= BoardCells; ++column) {
            if (!arrivalsAt(column, row).empty() && isFreeCell(level, column, row)) {
                cells.push_back({column, row});
            }
        }
    }
    return cells;
}

ResponseTable::ResponseTable()
{
    for (int kind = 0; kind < KindSlots; ++kind) {
        for (int direction = 0; direction < 8; ++direction) {
            for (int travel = 0; travel < 8; ++travel) {
                for (int slot = 0; slot < ColourSlots; ++slot) {
                    const PieceResponse rule =
                        respond(static_cast<PieceKind>(kind), static_cast<std::uint8_t>(direction),
                                static_cast<std::uint8_t>(travel), SlotColours[slot]);
                    Response response;
                    response.newDirection = rule.travel ? *rule.travel : -1;
                    if (rule.output) {
                        response.outputDirection = rule.output->direction;
                        response.outputColour = rule.output->colour.value_or(WhiteBeam);
                    }
                    m_table[static_cast<std::size_t>(
                        ((kind * 8 + direction) * 8 + travel) * ColourSlots + slot)] = response;
                }
            }
        }
    }
}

Response ResponseTable::respondTo(PieceKind kind, std::uint8_t direction,
                                  const Arrival& arrival) const
{
    const int k = static_cast<int>(kind);
    if (k >= KindSlots) {
        return {};
    }
    const int slot = colourSlot(arrival.colour);
    return m_table[static_cast<std::size_t>(
        ((k * 8 + direction % 8) * 8 + arrival.direction % 8) * ColourSlots + slot)];
}

std::vector<std::uint8_t>
ResponseTable::distinctDirections(PieceKind kind, const std::vector<Arrival>& arrivals) const
{
    std::vector<std::uint8_t> chosen;
    std::vector<std::vector<Response>> seen;
    for (std::uint8_t direction = 0; direction < 8; ++direction) {
        std::vector<Response> behaviour;
        behaviour.reserve(arrivals.size());
        for (const Arrival& arrival : arrivals) {
            behaviour.push_back(respondTo(kind, direction, arrival));
        }
        if (std::find(seen.begin(), seen.end(), behaviour) == seen.end()) {
            seen.push_back(std::move(behaviour));
            chosen.push_back(direction);
        }
    }
    return chosen;
}

} // namespace prismora
