// Turning a level's rows of tokens into a board.
#include "level_design.h"

#include "core/outcome.h"

#include <sstream>

namespace prismora {
namespace {

struct Token {
    char what;
    char detail;
};

std::optional<PieceKind> PlaceableKindOf(char letter)
{
    switch (letter) {
    case 'M': return PieceKind::Mirror;
    case 'D': return PieceKind::DoubleMirror;
    case 'X': return PieceKind::Cross;
    case 'T': return PieceKind::TCoupling;
    case 'U': return PieceKind::TCoupling2;
    case 'I': return PieceKind::Inverter;
    case 'Y': return PieceKind::YCoupling;
    default: return std::nullopt;
    }
}

std::optional<PieceKind> LampKindOf(char letter)
{
    switch (letter) {
    case 'R': return PieceKind::RedLamp;
    case 'G': return PieceKind::GreenLamp;
    case 'B': return PieceKind::BlueLamp;
    case 'W': return PieceKind::WhiteLamp;
    default: return std::nullopt;
    }
}

std::optional<std::int32_t> CannonColorOf(char letter)
{
    switch (letter) {
    case 'r': return RedBeam;
    case 'g': return GreenBeam;
    case 'b': return BlueBeam;
    default: return std::nullopt;
    }
}

std::optional<std::uint8_t> DirectionOf(char digit)
{
    if (digit < '0' || digit > '7') {
        return std::nullopt;
    }
    return static_cast<std::uint8_t>(digit - '0');
}

// The fixed or placeable piece a token stands for, with its direction.
std::optional<std::pair<PieceKind, std::uint8_t>> PieceOf(Token token)
{
    if (token.what == '*') {
        if (const auto lamp = LampKindOf(token.detail)) {
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
    const auto dir = DirectionOf(token.detail);
    if (!dir) {
        return std::nullopt;
    }
    if (token.what == 'O') {
        return std::pair{PieceKind::OneWay, *dir};
    }
    if (const auto kind = PlaceableKindOf(token.what)) {
        return std::pair{*kind, *dir};
    }
    return std::nullopt;
}

std::optional<std::vector<Token>> TokensOf(std::string_view row)
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

std::optional<Game> BuildLevel(const LevelDesign& design, std::string& error)
{
    Game game;
    game.levelName = std::string(design.name);
    game.palette.AppendRows(0, PlayRowCount - 1);
    std::vector<std::pair<std::array<int, 2>, Token>> cannons;
    for (int row = 1; row <= BoardCells; ++row) {
        const auto tokens = TokensOf(design.rows[static_cast<std::size_t>(row - 1)]);
        if (!tokens) {
            error = "row " + std::to_string(row) + " does not hold nine two-character tokens";
            return std::nullopt;
        }
        for (int col = 1; col <= BoardCells; ++col) {
            const Token token = (*tokens)[static_cast<std::size_t>(col - 1)];
            if (token.what == '.' && token.detail == '.') {
                continue;
            }
            if (CannonColorOf(token.what) && DirectionOf(token.detail)) {
                cannons.push_back({{col, row}, token});
                continue;
            }
            const auto piece = PieceOf(token);
            if (!piece) {
                error = "unknown token " + std::string{token.what, token.detail} + " at column " +
                        std::to_string(col) + ", row " + std::to_string(row);
                return std::nullopt;
            }
            game.board.AppendPiece(piece->first, col, row, piece->second);
        }
    }
    for (const auto& [cell, token] : cannons) {
        game.board.AppendCannon(cell[0], cell[1], *DirectionOf(token.detail), *CannonColorOf(token.what));
    }
    EvaluateBoard(game.board, nullptr);
    return game;
}

} // namespace prismora
