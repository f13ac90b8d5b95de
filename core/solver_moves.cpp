// Beam crossings from traced segments, and the piece rules tabulated per direction.
#include "core/solver_moves.h"

#include <algorithm>

namespace prismora {
namespace {

// Board cell whose centre lies at pixel coordinate `centre`, or 0 when the
// centre is not one of a board cell (rows and columns 1..9).
int CellOfCentre(std::int64_t centre)
{
    const std::int64_t shifted = centre + 24;
    if (shifted % CellSize != 0) {
        return 0;
    }
    const std::int64_t cell = shifted / CellSize;
    return (cell >= 1 && cell <= BoardCells) ? static_cast<int>(cell) : 0;
}

int Sign(std::int64_t value) { return (value > 0) - (value < 0); }

int DirectionOf(int dx, int dy)
{
    for (int dir = 0; dir < 8; ++dir) {
        const Step step = StepOf(static_cast<std::uint8_t>(dir));
        if (step.dx == dx && step.dy == dy) {
            return dir;
        }
    }
    return -1;
}

int ColorSlot(std::int32_t color)
{
    switch (color) {
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

constexpr std::array<std::int32_t, 4> SlotColors{RedBeam, GreenBeam, BlueBeam, WhiteBeam};

std::size_t CellSlot(int col, int row)
{
    return static_cast<std::size_t>((row - 1) * BoardCells + (col - 1));
}

} // namespace

void BeamCrossings::DrawSegment(const BeamSegment& segment)
{
    const int col = CellOfCentre(segment.x2);
    const int row = CellOfCentre(segment.y2);
    const int dir = DirectionOf(Sign(segment.x2 - segment.x1), Sign(segment.y2 - segment.y1));
    if (col == 0 || row == 0 || dir < 0) {
        return;
    }
    std::vector<Arrival>& arrivals = m_arrivals[CellSlot(col, row)];
    const Arrival arrival{static_cast<std::uint8_t>(dir), segment.color};
    if (std::find(arrivals.begin(), arrivals.end(), arrival) == arrivals.end()) {
        arrivals.push_back(arrival);
    }
}

const std::vector<Arrival>& BeamCrossings::ArrivalsAt(int col, int row) const
{
    return m_arrivals[CellSlot(col, row)];
}

std::vector<std::array<int, 2>> BeamCrossings::FreeCrossedCells(const Board& board) const
{
    std::vector<std::array<int, 2>> cells;
    for (int row = 1; row <= BoardCells; ++row) {
        for (int col = 1; col <= BoardCells; ++col) {
            if (!ArrivalsAt(col, row).empty() && board.PieceAt(col, row) == Board::EmptyCellIndex) {
                cells.push_back({col, row});
            }
        }
    }
    return cells;
}

ResponseTable::ResponseTable()
{
    Board scratch;
    for (int kind = 0; kind < KindSlots; ++kind) {
        for (int dir = 0; dir < 8; ++dir) {
            scratch.Clear();
            const std::optional<int> piece = scratch.AppendPiece(static_cast<PieceKind>(kind), 1, 1,
                                                                 static_cast<std::uint8_t>(dir));
            const int output = scratch.Pieces[*piece].EmitterIndex;
            for (int travel = 0; travel < 8; ++travel) {
                for (int slot = 0; slot < ColorSlots; ++slot) {
                    if (output >= 0) {
                        scratch.Emitters[output].Active = false;
                        scratch.Emitters[output].Color = WhiteBeam;
                    }
                    const std::optional<std::uint8_t> turned = ApplyPiece(
                        scratch, *piece, static_cast<std::uint8_t>(travel), SlotColors[slot]);
                    Response response;
                    response.newDir = turned ? *turned : -1;
                    if (output >= 0 && scratch.Emitters[output].Active) {
                        response.outputDir = scratch.Emitters[output].Direction;
                        response.outputColor = scratch.Emitters[output].Color;
                    }
                    m_table[static_cast<std::size_t>(((kind * 8 + dir) * 8 + travel) * ColorSlots +
                                                     slot)] = response;
                }
            }
        }
    }
}

Response ResponseTable::Respond(PieceKind kind, std::uint8_t dir, const Arrival& arrival) const
{
    const int k = static_cast<int>(kind);
    if (k >= KindSlots) {
        return {};
    }
    const int slot = ColorSlot(arrival.color);
    return m_table[static_cast<std::size_t>(((k * 8 + dir % 8) * 8 + arrival.dir % 8) * ColorSlots +
                                            slot)];
}

std::vector<std::uint8_t>
ResponseTable::DistinctDirections(PieceKind kind, const std::vector<Arrival>& arrivals) const
{
    std::vector<std::uint8_t> chosen;
    std::vector<std::vector<Response>> seen;
    for (std::uint8_t dir = 0; dir < 8; ++dir) {
        std::vector<Response> behaviour;
        behaviour.reserve(arrivals.size());
        for (const Arrival& arrival : arrivals) {
            behaviour.push_back(Respond(kind, dir, arrival));
        }
        if (std::find(seen.begin(), seen.end(), behaviour) == seen.end()) {
            seen.push_back(std::move(behaviour));
            chosen.push_back(dir);
        }
    }
    return chosen;
}

} // namespace prismora
