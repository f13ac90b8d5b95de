// Beam tracing: two passes over the emitters, one cell step at a time.
#include "core/tracer.h"

#include <bitset>

namespace prismora {
namespace {

std::uint8_t Mod8(int value) { return static_cast<std::uint8_t>(((value % 8) + 8) % 8); }

// Inverter colour cycle: with the piece (b = d) red -> green -> blue -> red,
// against it the other way round. Other colours are not changed.
std::optional<std::int32_t> InvertedColor(std::int32_t color, bool withPiece)
{
    switch (color) {
    case RedBeam:
        return withPiece ? GreenBeam : BlueBeam;
    case GreenBeam:
        return withPiece ? BlueBeam : RedBeam;
    case BlueBeam:
        return withPiece ? RedBeam : GreenBeam;
    default:
        return std::nullopt;
    }
}

void FeedOutput(Board& board, const Piece& piece, std::uint8_t direction,
                std::optional<std::int32_t> color)
{
    if (piece.EmitterIndex < 0 || piece.EmitterIndex >= board.EmitterCount) {
        return;
    }
    Emitter& output = board.Emitters[piece.EmitterIndex];
    output.Direction = direction;
    if (color) {
        output.Color = *color;
    }
    output.Active = true;
}

// Records which (cell, direction) states a single trace has entered.
class VisitedStates {
public:
    // True when the state was entered before; records it otherwise.
    bool Enter(std::int64_t column, std::int64_t row, std::uint8_t direction)
    {
        if (column < 0 || column > BoardCells || row < 0 || row > BoardCells) {
            return false;
        }
        const std::size_t bit = static_cast<std::size_t>((row * 10 + column) * 8 + direction % 8);
        const bool seen = m_states.test(bit);
        m_states.set(bit);
        return seen;
    }

private:
    std::bitset<10 * 10 * 8> m_states;
};

// A beam in flight: its cell, direction of travel and colour.
struct Beam {
    std::int64_t column;
    std::int64_t row;
    std::uint8_t direction;
    std::int32_t color;
};

// Draws the step from the beam's cell to the next one and moves there.
void Advance(Beam& beam, SegmentSink* sink)
{
    const Step step = StepOf(beam.direction);
    const std::int64_t nextColumn = beam.column + step.dx;
    const std::int64_t nextRow = beam.row + step.dy;
    if (sink) {
        sink->DrawSegment({CellCentre(beam.column), CellCentre(beam.row), CellCentre(nextColumn),
                           CellCentre(nextRow), beam.color});
    }
    beam.column = nextColumn;
    beam.row = nextRow;
}

// Marks a lamp or white lamp the beam passes through.
void LightLamp(Piece& piece, std::int32_t color)
{
    switch (piece.Kind) {
    case PieceKind::RedLamp:
        piece.Lit = piece.Lit || color == RedBeam;
        break;
    case PieceKind::GreenLamp:
        piece.Lit = piece.Lit || color == GreenBeam;
        break;
    case PieceKind::BlueLamp:
        piece.Lit = piece.Lit || color == BlueBeam;
        break;
    case PieceKind::WhiteLamp:
        piece.RedHit = piece.RedHit || color == RedBeam;
        piece.GreenHit = piece.GreenHit || color == GreenBeam;
        piece.BlueHit = piece.BlueHit || color == BlueBeam;
        break;
    default:
        break;
    }
}

std::int32_t ClampedCell(std::int64_t cell)
{
    // Anything beyond the int32 range is off the board anyway.
    if (cell < -1) {
        return -1;
    }
    if (cell > BoardCells + 1) {
        return BoardCells + 1;
    }
    return static_cast<std::int32_t>(cell);
}

} // namespace

std::optional<std::uint8_t> ApplyPiece(Board& board, int pieceIndex, std::uint8_t travel,
                                       std::int32_t color)
{
    const Piece& piece = board.Pieces[pieceIndex];
    const int d = piece.Direction % 8;
    const int b = travel % 8;
    const std::uint8_t relative = Mod8(b - d);
    switch (piece.Kind) {
    case PieceKind::Mirror:
        if (relative == 3 || relative == 5) {
            return Mod8(2 * d + 4 - b);
        }
        return std::nullopt;
    case PieceKind::DoubleMirror:
        if (relative % 2 == 1) {
            return Mod8(2 * d + 4 - b);
        }
        return std::nullopt;
    case PieceKind::TCoupling:
        if (relative == 4) {
            FeedOutput(board, piece, Mod8(b + 2), color);
            return Mod8(b - 2);
        }
        return std::nullopt;
    case PieceKind::TCoupling2:
        if (relative == 2) {
            FeedOutput(board, piece, Mod8(b), color);
            return Mod8(b - 2);
        }
        return std::nullopt;
    case PieceKind::Cross:
        if (relative == 0 || relative == 4) {
            return Mod8(b - 1);
        }
        if (relative == 3 || relative == 7) {
            return Mod8(b + 1);
        }
        return std::nullopt;
    case PieceKind::Inverter:
        if (relative == 0 || relative == 4) {
            FeedOutput(board, piece, Mod8(b), InvertedColor(color, relative == 0));
        }
        return std::nullopt;
    case PieceKind::YCoupling:
        if (relative == 4) {
            FeedOutput(board, piece, Mod8(b + 1), color);
            return Mod8(b - 1);
        }
        return std::nullopt;
    case PieceKind::OneWay:
        if (relative == 0) {
            return Mod8(b);
        }
        return std::nullopt;
    default:
        return std::nullopt;
    }
}

void TraceBeam(Board& board, int index, SegmentSink* sink)
{
    const Emitter& source = board.Emitters[index];
    Beam beam{source.Left, source.Top, static_cast<std::uint8_t>(source.Direction % 8),
              source.Color};
    VisitedStates visited;
    Advance(beam, sink);
    while (!visited.Enter(beam.column, beam.row, beam.direction)) {
        const int found = board.PieceAt(ClampedCell(beam.column), ClampedCell(beam.row));
        Piece& piece = board.Pieces[found];
        switch (piece.Kind) {
        case PieceKind::RedLamp:
        case PieceKind::GreenLamp:
        case PieceKind::BlueLamp:
        case PieceKind::WhiteLamp:
            LightLamp(piece, beam.color);
            Advance(beam, sink);
            continue;
        case PieceKind::EmptyCell:
            Advance(beam, sink);
            continue;
        case PieceKind::Bomb:
            if (board.PlayMode) {
                board.BombHit = true;
            }
            return;
        case PieceKind::OffBoard:
            return;
        default:
            break;
        }
        const std::optional<std::uint8_t> turned =
            ApplyPiece(board, found, beam.direction, beam.color);
        if (!turned) {
            return;
        }
        beam.direction = *turned;
        Advance(beam, sink);
    }
}

void TraceAll(Board& board, SegmentSink* sink)
{
    for (int i = 0; i < board.PieceCount; ++i) {
        Piece& piece = board.Pieces[i];
        piece.Lit = false;
        piece.RedHit = false;
        piece.BlueHit = false;
        piece.GreenHit = false;
        if (piece.EmitterIndex >= 0 && piece.EmitterIndex < board.EmitterCount) {
            board.Emitters[piece.EmitterIndex].Active = false;
        }
    }
    board.BombHit = false;
    for (int pass = 0; pass < 2; ++pass) {
        for (int i = 0; i < board.EmitterCount; ++i) {
            const Emitter& emitter = board.Emitters[i];
            if (emitter.Active && !emitter.Deleted) {
                TraceBeam(board, i, sink);
            }
        }
    }
}

} // namespace prismora
