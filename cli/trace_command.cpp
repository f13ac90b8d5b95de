// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// --trace: load a level, evaluate it once, print the result as JSON.
#include "cli/command_line.h"
#include "cli/commands.h"

#include "core/evaluation.h"
#include "core/play.h"
#include "view/board_geometry.h"

#include <nlohmann/json.hpp>

#include <iostream>

namespace prismora {
namespace {

using nlohmann::ordered_json;

ordered_json piecesJson(const Level& level, const Evaluation& evaluation)
{
    ordered_json pieces = ordered_json::array();
    for (std::size_t i = 0; i < level.pieces.size(); ++i) {
        const Piece& p = level.pieces[i];
        if (!p.removed) {
            pieces.push_back({{"index", i},
                              {"kind", static_cast<int>(p.kind)},
                              {"col", p.column},
                              {"row", p.row},
                              {"dir", p.direction},
                              {"lit", evaluation.pieces[i].lit}});
        }
    }
    return pieces;
}

ordered_json sourcesJson(const Level& level, const Evaluation& evaluation)
{
    ordered_json sources = ordered_json::array();
    for (std::size_t i = 0; i < level.sources.size(); ++i) {
        const SourceState& state = evaluation.sources[i];
        if (state.removed) {
            continue;
        }
        const Cell cell = sourceCell(level, static_cast<int>(i));
        sources.push_back({{"index", i},
                           {"col", cell.column},
                           {"row", cell.row},
                           {"dir", state.direction},
                           {"color", state.colour},
                           {"cannon", level.sources[i].isCannon()},
                           {"active", state.active}});
    }
    return sources;
}

// Segments in board pixels, from cell centre to cell centre.
ordered_json segmentsJson(const Evaluation& evaluation)
{
    ordered_json segments = ordered_json::array();
    for (const BeamSegment& s : evaluation.segments) {
        segments.push_back({geometry::cellCentre(s.fromColumn), geometry::cellCentre(s.fromRow),
                            geometry::cellCentre(s.toColumn), geometry::cellCentre(s.toRow),
                            s.colour});
    }
    return segments;
}

} // namespace

int runTraceCommand(const std::vector<std::string>& args)
{
    const bool edit = args.size() == 2 && args[1] == "--edit";
    if (args.empty() || (args.size() == 2 && !edit) || args.size() > 2) {
        return reportUsageError("usage: --trace LEVEL [--edit]");
    }
    std::optional<Level> level = loadLevelForCommand(args[0]);
    if (!level) {
        return 2;
    }
    if (edit) {
        enterEditMode(*level);
    }
    const Evaluation evaluation = evaluate(*level);
    const ordered_json result{
        {"name", level->name},
        {"play_mode", level->mode == Mode::Play ? 1 : 0},
        {"status", evaluation.statusText()},
        {"finished", evaluation.isFinished()},
        {"bomb", evaluation.bombHit},
        {"lit", evaluation.litLamps},
        {"unlit", evaluation.unlitLamps},
        {"palette", level->palette},
        {"pieces", piecesJson(*level, evaluation)},
        {"emitters", sourcesJson(*level, evaluation)},
        {"segments", segmentsJson(evaluation)},
    };
    // Names come from strangers' files: never let an odd byte stop the output.
    std::cout << result.dump(-1, ' ', false, ordered_json::error_handler_t::replace) << "\n";
    return 0;
}

} // namespace prismora
