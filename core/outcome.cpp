// Counting lamps and judging a position after each trace.
#include "core/outcome.h"

namespace prismora {

LampCount CountLamps(Board& board)
{
    LampCount count;
    for (int i = 0; i < board.PieceCount; ++i) {
        Piece& piece = board.Pieces[i];
        if (piece.Deleted || !IsLampKind(piece.Kind)) {
            continue;
        }
        if (piece.Kind == PieceKind::WhiteLamp) {
            piece.Lit = piece.RedHit && piece.BlueHit && piece.GreenHit;
        }
        if (piece.Lit) {
            ++count.lit;
        } else {
            ++count.unlit;
        }
    }
    return count;
}

VerdictResult ShowVerdict(Board& board, const LampCount& lamps)
{
    board.Finished = false;
    if (board.BombHit) {
        return {Verdict::Bomb, BombText};
    }
    if (lamps.unlit >= 1) {
        return {Verdict::LampsLeft, std::to_string(lamps.unlit) + LampsLeftSuffix};
    }
    board.Finished = true;
    if (lamps.lit >= 1) {
        return {Verdict::Solved, SolvedText};
    }
    return {Verdict::NoLamps, NoLampsText};
}

VerdictResult EvaluateBoard(Board& board, SegmentSink* sink)
{
    TraceAll(board, sink);
    const LampCount lamps = CountLamps(board);
    return ShowVerdict(board, lamps);
}

} // namespace prismora
