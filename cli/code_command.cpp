// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// --encode and --decode: a level file to its level code, and a level code to a level file.
#include "cli/command_line.h"
#include "cli/commands.h"

#include "core/evaluation.h"
#include "core/level_code.h"
#include "core/level_file.h"

#include <iostream>

namespace prismora {
namespace {

std::string reasonFor(CodeError error)
{
    switch (error) {
    case CodeError::NotACode:
        return "not a level code";
    case CodeError::BadCheck:
        return "its check symbol does not match (a symbol mistyped, or two swapped)";
    case CodeError::NewerVersion:
        return "made by a newer version of Prismora";
    case CodeError::Truncated:
        return "it is cut short";
    case CodeError::TrailingData:
        return "it goes on past its end";
    case CodeError::BadValue:
        return "it holds values no level file can";
    }
    return "unknown error";
}

} // namespace

int runEncodeCommand(const std::vector<std::string>& args)
{
    if (args.size() != 1) {
        return reportUsageError("usage: --encode LEVEL");
    }
    const std::optional<Level> level = loadLevelForCommand(args[0]);
    if (!level) {
        return 2;
    }
    std::cout << encodeLevelCode(*level) << "\n";
    return 0;
}

int runDecodeCommand(const std::vector<std::string>& args)
{
    if (args.size() != 3 || args[1] != "--write") {
        return reportUsageError("usage: --decode CODE --write OUT.prl");
    }
    const auto decoded = decodeLevelCode(args[0]);
    if (!decoded.ok()) {
        return reportUsageError("bad level code: " + reasonFor(decoded.error()));
    }
    // A position file: every piece where the code puts it, the hand as entries,
    // which loads as exactly the decoded level.
    const Level& level = decoded.value();
    const Completion completion =
        evaluate(level).isFinished() ? Completion::Finished : Completion::Unfinished;
    const auto saved = saveLevel(level, SaveLayout::Position, completion, args[2]);
    if (!saved.ok()) {
        return reportUsageError("cannot write " + saved.error().path.string() + ": " +
                                saved.error().reason);
    }
    return 0;
}

} // namespace prismora
