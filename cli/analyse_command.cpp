// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// --analyse: the designer's workbench without a window, as one JSON object.
#include "cli/command_line.h"
#include "cli/commands.h"

#include "core/hint.h"
#include "core/level_analysis.h"

#include <nlohmann/json.hpp>

#include <iostream>

namespace prismora {
namespace {

using nlohmann::ordered_json;

ordered_json optionalNumber(const std::optional<int>& number)
{
    return number ? ordered_json(*number) : ordered_json(nullptr);
}

ordered_json measureJson(const Measure& measure)
{
    ordered_json element = nullptr;
    if (measure.element) {
        element = {{"kind", static_cast<int>(measure.element->kind)},
                   {"col", measure.element->column},
                   {"row", measure.element->row}};
    }
    return {{"holds", measure.holds()}, {"element", element}, {"text", measure.text}};
}

std::string analysisJson(const LevelAnalysis& analysis)
{
    ordered_json measures = ordered_json::object();
    for (const MeasureResult& result : analysis.measures) {
        measures[std::string(result.key)] = measureJson(result.measure);
    }
    const ordered_json answer{{"solutions", analysis.solutions},
                              {"exhaustive", analysis.isExhaustive},
                              {"fewest_pieces", optionalNumber(analysis.fewestPieces)},
                              {"difficulty", optionalNumber(analysis.difficulty)},
                              {"bomb_at_start", analysis.isBombAtStart},
                              {"measures", measures}};
    return answer.dump();
}

} // namespace

int runAnalyseCommand(const std::vector<std::string>& args)
{
    if (args.size() != 1 || args[0].rfind("--", 0) == 0) {
        return reportUsageError("usage: --analyse LEVEL");
    }
    const std::optional<Level> loaded = loadLevelForCommand(args[0]);
    if (!loaded) {
        return 2;
    }
    // As --solve: pieces a saved position already holds go back to the hand.
    const Level level = withPiecesTakenBack(*loaded, placedPieceIndices(*loaded));
    std::cout << analysisJson(analyseLevel(level)) << "\n";
    return 0;
}

} // namespace prismora
