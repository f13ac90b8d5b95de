// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// place_hinted POSITION KIND COL ROW DIR OUT: a player follows a hint. Takes a piece of KIND from
// the hand of POSITION (it arrives at column 1, row 1), puts it on (COL, ROW) turned to DIR and
// saves the position as OUT. Prints the status line; exit 1 when a bomb went off on the way.
#include "core/evaluation.h"
#include "core/level_file.h"
#include "core/palette.h"
#include "core/play.h"

#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>

int main(int argc, char** argv)
{
    using namespace prismora;
    if (argc != 7) {
        std::cerr << "usage: place_hinted POSITION KIND COL ROW DIR OUT\n";
        return 2;
    }
    auto loaded = loadLevel(argv[1]);
    const std::optional<int> row =
        rowOfKind(static_cast<PieceKind>(std::strtol(argv[2], nullptr, 10)));
    if (!loaded.ok() || !row) {
        std::cerr << "place_hinted: cannot load " << argv[1] << " or no such kind\n";
        return 2;
    }
    Level level = loaded.value().level;
    const Take take = takeFromPalette(level, *row);
    if (take.result != TakeResult::Taken) {
        std::cerr << "place_hinted: no such piece in the hand\n";
        return 2;
    }
    const bool bombOnArrival = evaluate(level).verdict == Verdict::Bomb;
    Piece& piece = level.pieces[static_cast<std::size_t>(take.record.index)];
    piece.column = static_cast<std::int32_t>(std::strtol(argv[3], nullptr, 10));
    piece.row = static_cast<std::int32_t>(std::strtol(argv[4], nullptr, 10));
    piece.direction = static_cast<std::uint8_t>(std::strtol(argv[5], nullptr, 10));
    const Evaluation placed = evaluate(level);
    if (bombOnArrival || placed.verdict == Verdict::Bomb) {
        std::cout << BombText << "\n";
        return 1;
    }
    if (!saveLevel(level, SaveLayout::Position, completionOf(placed.verdict), argv[6]).ok()) {
        std::cerr << "place_hinted: cannot write " << argv[6] << "\n";
        return 2;
    }
    std::cout << placed.statusText() << "\n";
    return 0;
}
