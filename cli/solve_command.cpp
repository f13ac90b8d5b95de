// --solve: load a level, search placements that solve it, print them as JSON.
#include "cli/command_line.h"
#include "cli/commands.h"

#include "core/evaluation.h"
#include "core/level_file.h"
#include "core/palette.h"
#include "core/solver.h"

#include <nlohmann/json.hpp>

#include <iostream>

namespace prismora {
namespace {

using nlohmann::ordered_json;

ordered_json solutionJson(const std::vector<Placement>& solution)
{
    ordered_json placements = ordered_json::array();
    for (const Placement& p : solution) {
        placements.push_back({{"kind", static_cast<int>(p.kind)},
                              {"col", p.column},
                              {"row", p.row},
                              {"dir", p.direction}});
    }
    return placements;
}

// The solved position as a saved game: the pieces on the board in the order
// found, what is left in the palette as palette entries.
Result<void, FileError> writeSolvedPosition(Level level, const std::vector<Placement>& solution,
                                            const std::string& path)
{
    placePieces(level, solution);
    for (const Placement& p : solution) {
        changePaletteCount(level, *rowOfKind(p.kind), -1);
    }
    const Completion completion =
        evaluate(level).isFinished() ? Completion::Finished : Completion::Unfinished;
    return saveLevel(level, SaveLayout::Position, completion, path);
}

} // namespace

int runSolveCommand(const std::vector<std::string>& args)
{
    const bool write = args.size() == 3 && args[1] == "--write";
    if (args.size() != 1 && !write) {
        return reportUsageError("usage: --solve LEVEL [--write OUT.prl]");
    }
    const std::optional<Level> level = loadLevelForCommand(args[0]);
    if (!level) {
        return 2;
    }
    const SolveResult result = solve(*level);
    if (result.status != SolveStatus::Solved) {
        const ordered_json answer{
            {"solution", nullptr},
            {"states", result.states},
            {"reason", result.status == SolveStatus::GaveUp ? "gave up" : "no solution"},
        };
        std::cout << answer.dump() << "\n";
        return 1;
    }
    if (write) {
        const auto saved = writeSolvedPosition(*level, result.solution, args[2]);
        if (!saved.ok()) {
            return reportUsageError("cannot write " + saved.error().path.string() + ": " +
                                    saved.error().reason);
        }
    }
    const ordered_json answer{{"solution", solutionJson(result.solution)},
                              {"states", result.states}};
    std::cout << answer.dump() << "\n";
    return 0;
}

} // namespace prismora
