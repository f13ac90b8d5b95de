// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// libFuzzer target: a level file through load, evaluation, the editor and back, a short solver
// run and a save and reload in a temporary folder; any broken promise traps.
#include "core/evaluation.h"
#include "core/level_file.h"
#include "core/palette.h"
#include "core/play.h"
#include "core/solver.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

namespace {

using namespace prismora;
namespace fs = std::filesystem;

// A folder of our own for the whole run, removed when the process ends.
const fs::path& scratchFolder()
{
    static const fs::path folder = [] {
        std::string name = (fs::temp_directory_path() / "prismora-fuzz-XXXXXX").string();
        if (::mkdtemp(name.data()) == nullptr) {
            __builtin_trap();
        }
        std::atexit([] {
            std::error_code ignored;
            fs::remove_all(scratchFolder(), ignored);
        });
        return fs::path(name);
    }();
    return folder;
}

std::string readFile(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void check(bool promise)
{
    if (!promise) {
        __builtin_trap();
    }
}

// Every live splitting piece owns an output that points back at it.
bool outputsAreOwned(const Level& level)
{
    for (std::size_t i = 0; i < level.pieces.size(); ++i) {
        const Piece& piece = level.pieces[i];
        if (piece.removed) {
            continue;
        }
        if (isSplittingKind(piece.kind) != (piece.output >= 0) ||
            (piece.output >= 0 && level.sources.at(static_cast<std::size_t>(piece.output)).piece !=
                                      static_cast<int>(i))) {
            return false;
        }
    }
    return level.pieces.size() <= Level::MaxPieces && level.sources.size() <= Level::MaxSources;
}

// The editor on a copy: every row added, turned, and given back past the
// edge, twice, so that full tables reuse records; then play again.
void editAndReturn(const Level& loaded)
{
    Level level = loaded;
    enterEditMode(level);
    static_cast<void>(evaluate(level));
    for (int round = 0; round < 2; ++round) {
        for (int row = 0; row < EditRowCount; ++row) {
            if (takeFromPalette(level, row).result != TakeResult::Taken) {
                continue;
            }
            const Grab grab = findGrabbable(level, 1, 1);
            turnGrabbed(level, grab, Turn::Clockwise);
            static_cast<void>(evaluate(level));
            moveGrabbed(level, grab, 1, 10);
            check(dropGrabbed(level, grab));
        }
    }
    check(outputsAreOwned(level));
    enterPlayMode(level);
    static_cast<void>(evaluate(level));
    Level back = loaded;
    enterEditMode(back);
    enterPlayMode(back);
    check(back == loaded);
}

void solveAndVerify(const Level& level)
{
    const SolveResult result = solve(level, {300, 3});
    if (result.status == SolveStatus::Solved) {
        check(solvesLevel(level, result.solution));
    }
}

// A position saved and loaded again is written byte for byte the same.
void saveAndReload(const Level& level, Completion completion)
{
    const fs::path saved = scratchFolder() / "saved.prl";
    const auto written = saveLevel(level, SaveLayout::Position, completion, saved);
    check(written.ok() == (handPiecesBeyondFile(level, SaveLayout::Position) == 0));
    if (!written.ok()) {
        return;
    }
    const std::string bytes = readFile(saved);
    check(bytes == formatLevel(level, SaveLayout::Position, completion));
    const auto reloaded = loadLevel(saved);
    check(reloaded.ok() && reloaded.value().warning.empty());
    check(formatLevel(reloaded.value().level, SaveLayout::Position, completion) == bytes);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const fs::path input = scratchFolder() / "input.prl";
    std::ofstream(input, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    const auto loaded = loadLevel(input);
    check(loaded.ok() == (size <= MaxLevelFileSize));
    if (!loaded.ok()) {
        return 0;
    }
    const Level& level = loaded.value().level;
    check(outputsAreOwned(level));
    const Evaluation evaluation = evaluate(level);
    check(evaluation.pieces.size() == level.pieces.size() &&
          evaluation.sources.size() == level.sources.size());
    editAndReturn(level);
    solveAndVerify(level);
    saveAndReload(level, evaluation.isFinished() ? Completion::Finished : Completion::Unfinished);
    return 0;
}
