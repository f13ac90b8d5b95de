// --solve: load a level, search placements that solve it, print them as JSON.
#include "app/cli_commands.h"

#include "core/level_file.h"
#include "core/solver.h"

#include <nlohmann/json.hpp>

#include <iostream>

namespace prismora {
namespace {

nlohmann::ordered_json SolutionJson(const std::vector<Placement>& solution)
{
    nlohmann::ordered_json placements = nlohmann::ordered_json::array();
    for (const Placement& p : solution) {
        placements.push_back(
            {{"kind", static_cast<int>(p.kind)}, {"col", p.col}, {"row", p.row}, {"dir", p.dir}});
    }
    return placements;
}

// The solved position as a saved game: the pieces on the board in the order
// found, what is left in the palette as palette entries.
SaveResult WriteSolvedPosition(Game game, const std::vector<Placement>& solution,
                               const std::string& path)
{
    PlacePieces(game.board, solution);
    for (const Placement& p : solution) {
        game.palette.Decrease(*KindToRow(p.kind));
    }
    EvaluateBoard(game.board, nullptr);
    return SaveLevel(game, path, false);
}

} // namespace

int RunSolveCommand(const std::vector<std::string>& args)
{
    const bool write = args.size() == 3 && args[1] == "--write";
    if (args.size() != 1 && !write) {
        return ReportUsageError("usage: --solve LEVEL [--write OUT.prl]");
    }
    Game game;
    if (const int failed = LoadLevelForCommand(game, args[0])) {
        return failed;
    }
    const SolveResult result = Solve(game);
    if (result.status != SolveStatus::Solved) {
        const nlohmann::ordered_json answer{
            {"solution", nullptr},
            {"states", result.states},
            {"reason", result.status == SolveStatus::GaveUp ? "gave up" : "no solution"},
        };
        std::cout << answer.dump() << "\n";
        return 1;
    }
    if (write) {
        const SaveResult saved = WriteSolvedPosition(game, result.solution, args[2]);
        if (!saved.ok) {
            return ReportUsageError(saved.message);
        }
    }
    const nlohmann::ordered_json answer{{"solution", SolutionJson(result.solution)},
                                        {"states", result.states}};
    std::cout << answer.dump() << "\n";
    return 0;
}

} // namespace prismora
