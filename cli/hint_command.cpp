// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// --hint: load a level or a saved position and print, as JSON, the hint the game would give.
#include "cli/command_line.h"
#include "cli/commands.h"

#include "core/hint.h"
#include "core/hint_text.h"

#include <nlohmann/json.hpp>

#include <iostream>

namespace prismora {
namespace {

using nlohmann::ordered_json;

ordered_json hintJson(const Hint& hint, const Level& level)
{
    const std::string text = hintText(hint, level);
    switch (hint.kind) {
    case HintKind::Place:
        return {{"hint", "place"},
                {"kind", static_cast<int>(hint.placement.kind)},
                {"col", hint.placement.column},
                {"row", hint.placement.row},
                {"dir", hint.placement.direction},
                {"text", text}};
    case HintKind::TakeBack: {
        const Piece& piece = level.pieces[static_cast<std::size_t>(hint.piece)];
        return {{"hint", "take_back"}, {"col", piece.column}, {"row", piece.row}, {"text", text}};
    }
    case HintKind::AlreadySolved:
        return {{"hint", "solved"}};
    case HintKind::NoSolution:
    case HintKind::Cancelled:
        break;
    }
    return {{"hint", "none"}, {"text", hintText({HintKind::NoSolution, {}, -1}, level)}};
}

} // namespace

int runHintCommand(const std::vector<std::string>& args)
{
    if (args.size() != 1 || args[0].rfind("--", 0) == 0) {
        return reportUsageError("usage: --hint LEVEL");
    }
    const std::optional<Level> loaded = loadLevelForCommand(args[0]);
    if (!loaded) {
        return 2;
    }
    // Nothing cancels a hint asked for on the command line.
    const std::atomic<bool> notCancelled{false};
    const Hint hint = findHint(*loaded, notCancelled);
    std::cout << hintJson(hint, *loaded).dump() << "\n";
    return hint.kind == HintKind::NoSolution ? 1 : 0;
}

} // namespace prismora
