// --trace: load a level, evaluate it once as a repaint does, print the result as JSON.
#include "app/cli_commands.h"

#include "core/game_modes.h"
#include "core/outcome.h"

#include <nlohmann/json.hpp>

#include <iostream>

namespace prismora {
namespace {

// Collects the beam segments in drawing order.
class SegmentList : public SegmentSink {
public:
    void DrawSegment(const BeamSegment& s) override
    {
        m_segments.push_back({s.x1, s.y1, s.x2, s.y2, s.color});
    }
    nlohmann::ordered_json m_segments = nlohmann::ordered_json::array();
};

nlohmann::ordered_json PiecesJson(const Board& board)
{
    nlohmann::ordered_json pieces = nlohmann::ordered_json::array();
    for (int i = 0; i < board.PieceCount; ++i) {
        const Piece& p = board.Pieces[i];
        if (!p.Deleted) {
            pieces.push_back({{"index", i},
                              {"kind", static_cast<int>(p.Kind)},
                              {"col", p.Left},
                              {"row", p.Top},
                              {"dir", p.Direction},
                              {"lit", p.Lit}});
        }
    }
    return pieces;
}

nlohmann::ordered_json EmittersJson(const Board& board)
{
    nlohmann::ordered_json emitters = nlohmann::ordered_json::array();
    for (int i = 0; i < board.EmitterCount; ++i) {
        const Emitter& e = board.Emitters[i];
        if (!e.Deleted) {
            emitters.push_back({{"index", i},
                                {"col", e.Left},
                                {"row", e.Top},
                                {"dir", e.Direction},
                                {"color", e.Color},
                                {"cannon", e.IsCannon},
                                {"active", e.Active}});
        }
    }
    return emitters;
}

nlohmann::ordered_json PaletteJson(const Palette& palette)
{
    nlohmann::ordered_json counts = nlohmann::ordered_json::array();
    for (int row = 0; row < palette.RowCount(); ++row) {
        counts.push_back(palette.Count(row));
    }
    return counts;
}

} // namespace

int RunTraceCommand(const std::vector<std::string>& args)
{
    const bool edit = args.size() == 2 && args[1] == "--edit";
    if (args.empty() || (args.size() == 2 && !edit) || args.size() > 2) {
        return ReportUsageError("usage: --trace LEVEL [--edit]");
    }
    Game game;
    if (const int failed = LoadLevelForCommand(game, args[0])) {
        return failed;
    }
    if (edit) {
        EnterEditMode(game);
    }
    SegmentList segments;
    Board& board = game.board;
    TraceAll(board, &segments);
    const LampCount lamps = CountLamps(board);
    const VerdictResult verdict = ShowVerdict(board, lamps);

    const nlohmann::ordered_json result{
        {"name", game.levelName},
        {"play_mode", board.PlayMode ? 1 : 0},
        {"status", verdict.status},
        {"finished", board.Finished},
        {"bomb", board.BombHit},
        {"lit", lamps.lit},
        {"unlit", lamps.unlit},
        {"palette", PaletteJson(game.palette)},
        {"pieces", PiecesJson(board)},
        {"emitters", EmittersJson(board)},
        {"segments", segments.m_segments},
    };
    // Names come from strangers' files: never let an odd byte stop the output.
    std::cout << result.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace)
              << "\n";
    return 0;
}

} // namespace prismora
