// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Turning a level's rows of tokens into a board.
#include "level_design.h"

#include "core/evaluation.h"
#include "core/palette.h"

#include <algorithm>
#include <sstream>

namespace prismora {
namespace {

struct Token {
    char what;
    char detail;
};

std::optional<PieceKind> lampKindOf(char letter)
{
    switch (letter) {
    case 'R':
        return PieceKind::RedLamp;
    case 'G':
        return PieceKind::GreenLamp;
    case 'B':
        return PieceKind::BlueLamp;
    case 'W':
        return PieceKind::WhiteLamp;
    default:
        return std::nullopt;
    }
}

std::optional<std::int32_t> cannonColourOf(char letter)
{
    switch (letter) {
    case 'r':
        return RedBeam;
    case 'g':
        return GreenBeam;
    case 'b':
        return BlueBeam;
    default:
        return std::nullopt;
    }
}

std::optional<std::uint8_t> directionOf(char digit)
{
    if (digit < '0' || digit > '7') {
        return std::nullopt;
    }
    return static_cast<std::uint8_t>(digit - '0');
}

// The fixed or placeable piece a token stands for, with its direction.
std::optional<std::pair<PieceKind, std::uint8_t>> pieceOf(Token token)
{
    if (token.what == '*') {
        if (const auto lamp = lampKindOf(token.detail)) {
            return std::pair{*lamp, std::uint8_t{0}};
        }
        return std::nullopt;
    }
    if (token.what == '#' && token.detail == '#') {
        return std::pair{PieceKind::Obstacle, std::uint8_t{0}};
    }
    if (token.what == '@' && token.detail == '@') {
        return std::pair{PieceKind::Bomb, std::uint8_t{0}};
    }
    const auto dir = directionOf(token.detail);
    if (!dir) {
        return std::nullopt;
    }
    if (token.what == 'O') {
        return std::pair{PieceKind::OneWay, *dir};
    }
    if (const auto kind = placeableKindOf(token.what)) {
        return std::pair{*kind, *dir};
    }
    return std::nullopt;
}

std::optional<std::vector<Token>> tokensOf(std::string_view row)
{
    std::vector<Token> tokens;
    std::istringstream words{std::string(row)};
    std::string word;
    while (words >> word) {
        if (word.size() != 2) {
            return std::nullopt;
        }
        tokens.push_back({word[0], word[1]});
    }
    if (tokens.size() != BoardCells) {
        return std::nullopt;
    }
    return tokens;
}

} // namespace

namespace {

// A piece or cannon read from a token, at its cell.
struct Item {
    PieceKind kind;
    std::uint8_t dir;
    int col;
    int row;
    std::int32_t color = 0; // cannons only
};

struct Items {
    std::vector<Item> fixed;
    std::vector<Item> placeable;
    std::vector<Item> cannons;
};

// Cells in the order the beams first enter them.
class CellOrder {
public:
    explicit CellOrder(const Evaluation& evaluation)
    {
        for (const BeamSegment& segment : evaluation.segments) {
            const std::int64_t cell = cellKey(segment.toColumn, segment.toRow);
            if (std::find(m_cells.begin(), m_cells.end(), cell) == m_cells.end()) {
                m_cells.push_back(cell);
            }
        }
    }
    // Position of the cell in entering order; cells never entered come last.
    std::size_t rank(int column, int row) const
    {
        return static_cast<std::size_t>(
            std::find(m_cells.begin(), m_cells.end(), cellKey(column, row)) - m_cells.begin());
    }

private:
    static std::int64_t cellKey(std::int64_t column, std::int64_t row) { return row * 16 + column; }
    std::vector<std::int64_t> m_cells;
};

void fill(Level& level, const Items& items)
{
    level.pieces.clear();
    level.sources.clear();
    for (const auto* list : {&items.fixed, &items.placeable}) {
        for (const Item& p : *list) {
            appendPiece(level, p.kind, p.col, p.row, p.dir);
        }
    }
    for (const Item& c : items.cannons) {
        appendCannon(level, c.col, c.row, c.dir, c.color);
    }
}

// Sorts a row's tokens into fixed pieces, designer's pieces and cannons.
bool readRow(std::string_view text, int row, Items& items, std::string& error)
{
    const auto tokens = tokensOf(text);
    if (!tokens) {
        error = "row " + std::to_string(row) + " does not hold nine two-character tokens";
        return false;
    }
    for (int col = 1; col <= BoardCells; ++col) {
        const Token token = (*tokens)[static_cast<std::size_t>(col - 1)];
        if (token.what == '.' && token.detail == '.') {
            continue;
        }
        if (cannonColourOf(token.what) && directionOf(token.detail)) {
            items.cannons.push_back({PieceKind::EmptyCell, *directionOf(token.detail), col, row,
                                     *cannonColourOf(token.what)});
            continue;
        }
        const auto piece = pieceOf(token);
        if (!piece) {
            error = "unknown token " + std::string{token.what, token.detail} + " at column " +
                    std::to_string(col) + ", row " + std::to_string(row);
            return false;
        }
        (isPlaceableKind(piece->first) ? items.placeable : items.fixed)
            .push_back({piece->first, piece->second, col, row});
    }
    return true;
}

} // namespace

namespace {

constexpr std::pair<char, PieceKind> PlaceableLetters[] = {
    {'M', PieceKind::Mirror},    {'D', PieceKind::DoubleMirror}, {'X', PieceKind::Cross},
    {'T', PieceKind::TCoupling}, {'U', PieceKind::TCoupling2},   {'I', PieceKind::Inverter},
    {'Y', PieceKind::YCoupling},
};

constexpr std::pair<PieceKind, const char*> FixedTokens[] = {
    {PieceKind::RedLamp, "*R"},   {PieceKind::GreenLamp, "*G"}, {PieceKind::BlueLamp, "*B"},
    {PieceKind::WhiteLamp, "*W"}, {PieceKind::Obstacle, "##"},  {PieceKind::Bomb, "@@"},
};

} // namespace

std::optional<PieceKind> placeableKindOf(char letter)
{
    for (const auto& [known, kind] : PlaceableLetters) {
        if (known == letter) {
            return kind;
        }
    }
    return std::nullopt;
}

std::string tokenOf(PieceKind kind, std::uint8_t direction)
{
    for (const auto& [fixed, token] : FixedTokens) {
        if (fixed == kind) {
            return token;
        }
    }
    const char digit = static_cast<char>('0' + direction % 8);
    for (const auto& [letter, placeable] : PlaceableLetters) {
        if (placeable == kind) {
            return {letter, digit};
        }
    }
    return {'O', digit};
}

// Fixed pieces come first, then the designer's pieces in the order the beams
// reach them, so that the saved solution loads with every splitting piece's
// output after the output that feeds it.
std::optional<Level> buildLevel(const LevelDesign& design, std::string& error)
{
    Items items;
    for (int row = 1; row <= BoardCells; ++row) {
        if (!readRow(design.rows[static_cast<std::size_t>(row - 1)], row, items, error)) {
            return std::nullopt;
        }
    }
    Level level;
    level.name = std::string(design.name);
    level.palette.assign(PlayRowCount, 0);
    fill(level, items);
    const CellOrder order(evaluate(level));
    std::stable_sort(items.placeable.begin(), items.placeable.end(),
                     [&](const Item& a, const Item& b) {
                         return order.rank(a.col, a.row) < order.rank(b.col, b.row);
                     });
    fill(level, items);
    return level;
}

} // namespace prismora
