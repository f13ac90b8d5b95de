// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// --solve: load a level, search placements that solve it or count its solutions, print JSON.
#include "cli/command_line.h"
#include "cli/commands.h"

#include "core/evaluation.h"
#include "core/hint.h"
#include "core/level_file.h"
#include "core/palette.h"
#include "core/safe_path.h"
#include "core/solver.h"

#include <nlohmann/json.hpp>

#include <iostream>

namespace prismora {
namespace {

using nlohmann::ordered_json;

constexpr const char* SolveUsage = "usage: --solve LEVEL [--write OUT.prl] [--count [--limit N]] "
                                   "[--max-states N] [--max-seconds S]";

struct SolveOptions {
    std::string level;
    std::string writeTo;
    bool count = false;
    int limit = 2;
    SolveLimits limits;
};

// The options after --solve; nothing when they make no sense.
std::optional<SolveOptions> parseOptions(const std::vector<std::string>& args)
{
    if (args.empty() || args[0].rfind("--", 0) == 0) {
        return std::nullopt;
    }
    SolveOptions options;
    options.level = args[0];
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& option = args[i];
        const bool hasValue = i + 1 < args.size();
        if (option == "--count") {
            options.count = true;
        } else if (option == "--write" && hasValue) {
            options.writeTo = args[++i];
        } else if (option == "--limit" && hasValue && readNumber(args[++i], options.limit) &&
                   options.limit > 0) {
        } else if (option == "--max-seconds" && hasValue &&
                   readNumber(args[++i], options.limits.maxSeconds) &&
                   options.limits.maxSeconds > 0) {
        } else if (option == "--max-states" && hasValue &&
                   readNumber(args[++i], options.limits.maxStates) &&
                   options.limits.maxStates > 0) {
        } else {
            return std::nullopt;
        }
    }
    if (options.count && !options.writeTo.empty()) {
        return std::nullopt;
    }
    return options;
}

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
    const Completion completion = completionOf(evaluate(level).verdict);
    return saveLevel(level, SaveLayout::Position, completion, path);
}

int count(const Level& level, const SolveOptions& options)
{
    const CountResult result = countSolutions(level, options.limit, options.limits);
    ordered_json answer{{"solutions", result.solutions},
                        {"limit", options.limit},
                        {"exhaustive", result.isExact},
                        {"states", result.states}};
    if (!result.isExact) {
        answer["reason"] = "gave up: " + describe(result.reason);
    }
    std::cout << answer.dump() << "\n";
    return result.isExact ? 0 : 1;
}

int solveOnce(const Level& level, const SolveOptions& options)
{
    const SafeSolveResult result = solveSafely(level, options.limits);
    const bool isSafe = result.status == SafeSolveStatus::Solved;
    if (!isSafe && result.status != SafeSolveStatus::OnlyUnsafe) {
        const ordered_json answer{
            {"solution", nullptr},
            {"states", result.states},
            {"reason", result.status == SafeSolveStatus::GaveUp
                           ? "gave up: " + describe(result.reason)
                           : std::string("no solution")},
        };
        std::cout << answer.dump() << "\n";
        return 1;
    }
    if (!options.writeTo.empty()) {
        const auto saved = writeSolvedPosition(level, result.path, options.writeTo);
        if (!saved.ok()) {
            return reportUsageError("cannot write " + saved.error().path.string() + ": " +
                                    saved.error().reason);
        }
    }
    // "safe": placing the pieces in the order printed, each turned as
    // printed, sets off no bomb on the way.
    const ordered_json answer{
        {"solution", solutionJson(result.path)}, {"safe", isSafe}, {"states", result.states}};
    std::cout << answer.dump() << "\n";
    return 0;
}

} // namespace

int runSolveCommand(const std::vector<std::string>& args)
{
    const std::optional<SolveOptions> options = parseOptions(args);
    if (!options) {
        return reportUsageError(SolveUsage);
    }
    const std::optional<Level> loaded = loadLevelForCommand(options->level);
    if (!loaded) {
        return 2;
    }
    // A saved position may hold pieces the player already put down: as for
    // the hint, they belong to the hand and the search may put them anywhere.
    const Level level = withPiecesTakenBack(*loaded, placedPieceIndices(*loaded));
    return options->count ? count(level, *options) : solveOnce(level, *options);
}

} // namespace prismora
