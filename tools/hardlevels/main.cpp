// hardlevels SEED COUNT OUTDIR: random solvable levels of 4 to 6 pieces with 3 or 4 cannons, white
// lamps and bombs, made by planting a solution first; for testing the solver on hard levels.
#include "core/evaluation.h"
#include "core/level_file.h"
#include "core/palette.h"
#include "core/solver.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <random>
#include <set>
#include <string>

namespace {

using namespace prismora;

struct Planted {
    Level level;
    std::vector<Placement> solution;
};

bool occupied(const Level& level, int column, int row)
{
    for (const Piece& p : level.pieces) {
        if (!p.removed && p.column == column && p.row == row) {
            return true;
        }
    }
    for (std::size_t i = 0; i < level.sources.size(); ++i) {
        const Cell cell = sourceCell(level, static_cast<int>(i));
        if (cell.column == column && cell.row == row) {
            return true;
        }
    }
    return false;
}

// The colours (bit 1 red, 2 green, 4 blue) entering each board cell.
std::array<int, 100> coloursOnCells(const Evaluation& evaluation)
{
    std::array<int, 100> colours{};
    for (const BeamSegment& s : evaluation.segments) {
        if (isBoardCell(s.toColumn, s.toRow)) {
            int& bits = colours[static_cast<std::size_t>(s.toRow * 10 + s.toColumn)];
            bits |= s.colour == RedBeam     ? 1
                    : s.colour == GreenBeam ? 2
                    : s.colour == BlueBeam  ? 4
                                            : 0;
            bits |= 8; // crossed at all
        }
    }
    return colours;
}

std::optional<Planted> plant(std::mt19937& random)
{
    Planted planted;
    Level& level = planted.level;
    level.palette.assign(PlayRowCount, 0);
    const std::int32_t colours[] = {RedBeam, GreenBeam, BlueBeam};
    const int cannons = 3 + static_cast<int>(random() % 2);
    for (int c = 0; c < cannons; ++c) {
        const int along = 1 + static_cast<int>(random() % 9);
        const int side = static_cast<int>(random() % 4);
        const int column = side == 0 ? 1 : side == 1 ? 9 : along;
        const int row = side == 2 ? 1 : side == 3 ? 9 : along;
        const std::uint8_t direction = side == 0 ? 0 : side == 1 ? 4 : side == 2 ? 6 : 2;
        if (occupied(level, column, row)) {
            continue;
        }
        appendCannon(level, column, row, direction, colours[random() % 3]);
    }
    for (int o = static_cast<int>(random() % 4); o > 0; --o) {
        const int column = 2 + static_cast<int>(random() % 7);
        const int row = 2 + static_cast<int>(random() % 7);
        if (!occupied(level, column, row)) {
            appendPiece(level, PieceKind::Obstacle, column, row, 0);
        }
    }
    const Level start = level;
    const int pieces = 4 + static_cast<int>(random() % 3);
    std::array<int, 100> passing{}; // cells crossed by a beam after some of the pieces
    const PieceKind kinds[] = {PieceKind::Mirror,   PieceKind::Mirror,    PieceKind::DoubleMirror,
                               PieceKind::Cross,    PieceKind::TCoupling, PieceKind::TCoupling2,
                               PieceKind::Inverter, PieceKind::YCoupling, PieceKind::Mirror};
    for (int tries = 0; static_cast<int>(planted.solution.size()) < pieces && tries < 400;
         ++tries) {
        const std::array<int, 100> crossed = coloursOnCells(evaluate(level));
        const int column = 1 + static_cast<int>(random() % 9);
        const int row = 1 + static_cast<int>(random() % 9);
        if (!(crossed[static_cast<std::size_t>(row * 10 + column)] & 8) ||
            occupied(level, column, row)) {
            continue;
        }
        const Placement placement{kinds[random() % 9], column, row,
                                  static_cast<std::uint8_t>(random() % 8)};
        Level tried = level;
        placePieces(tried, std::span(&placement, 1));
        // The piece must turn or split a beam, not only stop it.
        const auto after = coloursOnCells(evaluate(tried));
        int newCells = 0;
        for (std::size_t i = 0; i < after.size(); ++i) {
            newCells += (after[i] & 8) && !(crossed[i] & 8) ? 1 : 0;
        }
        if (newCells < 2) {
            continue;
        }
        level = tried;
        planted.solution.push_back(placement);
        for (std::size_t i = 0; i < after.size(); ++i) {
            passing[i] |= after[i];
        }
    }
    if (static_cast<int>(planted.solution.size()) < pieces) {
        return std::nullopt;
    }
    const Evaluation solved = evaluate(level);
    const std::array<int, 100> onCells = coloursOnCells(solved);
    const std::array<int, 100> atStart = coloursOnCells(evaluate(start));
    std::vector<int> free;
    for (int cell = 0; cell < 100; ++cell) {
        if (isBoardCell(cell % 10, cell / 10) && !occupied(level, cell % 10, cell / 10)) {
            free.push_back(cell);
        }
    }
    std::shuffle(free.begin(), free.end(), random);
    int lamps = 0;
    int bombs = 0;
    for (const int cell : free) {
        const int bits = onCells[static_cast<std::size_t>(cell)];
        const int column = cell % 10;
        const int row = cell / 10;
        if ((bits & 7) == 7 && lamps < 5) {
            appendPiece(level, PieceKind::WhiteLamp, column, row, 0), ++lamps;
        } else if ((bits & 7) != 0 && lamps < 5 && !(atStart[static_cast<std::size_t>(cell)] & 8)) {
            const PieceKind lamp = (bits & 1)   ? PieceKind::RedLamp
                                   : (bits & 2) ? PieceKind::GreenLamp
                                                : PieceKind::BlueLamp;
            appendPiece(level, lamp, column, row, 0), ++lamps;
        } else if (!(bits & 8) && bombs < 3 && (atStart[static_cast<std::size_t>(cell)] & 8) == 0 &&
                   (passing[static_cast<std::size_t>(cell)] & 8)) {
            appendPiece(level, PieceKind::Bomb, column, row, 0), ++bombs;
        }
    }
    if (lamps < 3) {
        return std::nullopt;
    }
    // The level as a player meets it: the fixed pieces and cannons, the
    // planted pieces in hand.
    Level puzzle;
    puzzle.palette.assign(PlayRowCount, 0);
    for (const Piece& p : level.pieces) {
        if (!isPlaceableKind(p.kind)) {
            appendPiece(puzzle, p.kind, p.column, p.row, p.direction);
        }
    }
    for (const BeamSource& s : level.sources) {
        if (s.isCannon()) {
            appendCannon(puzzle, s.column, s.row, s.direction, s.colour);
        }
    }
    for (const Placement& p : planted.solution) {
        ++puzzle.palette[static_cast<std::size_t>(*rowOfKind(p.kind))];
    }
    const Evaluation first = evaluate(puzzle);
    if (first.verdict == Verdict::Solved || first.verdict == Verdict::Bomb ||
        !solvesLevel(puzzle, planted.solution)) {
        return std::nullopt;
    }
    planted.level = puzzle;
    return planted;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::cerr << "usage: hardlevels SEED COUNT OUTDIR\n";
        return 2;
    }
    const unsigned seed = static_cast<unsigned>(std::stoul(argv[1]));
    const int count = std::stoi(argv[2]);
    std::filesystem::create_directories(argv[3]);
    std::mt19937 random(seed);
    std::cout << "seed " << seed << "\n";
    for (int made = 0; made < count;) {
        const std::optional<Planted> planted = plant(random);
        if (!planted) {
            continue;
        }
        ++made;
        char name[32];
        std::snprintf(name, sizeof name, "hard%02d.prl", made);
        Level level = planted->level;
        level.name = std::string("Svår ") + std::to_string(made);
        const auto saved = saveLevel(level, SaveLayout::Position, Completion::Unfinished,
                                     std::filesystem::path(argv[3]) / name);
        if (!saved.ok()) {
            std::cerr << saved.error().reason << "\n";
            return 1;
        }
    }
    return 0;
}
