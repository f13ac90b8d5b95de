// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Saying a hint in Swedish, the words the window shows through its translations.
#include "core/hint_text.h"

#include "core/board_texts.h"
#include "core/palette.h"

#include <array>

namespace prismora {
namespace {

std::string pieceName(PieceKind kind)
{
    const std::optional<int> row = rowOfKind(kind);
    return row ? std::string(PaletteRowNames[static_cast<std::size_t>(*row)]) : std::string();
}

} // namespace

std::string_view directionWords(std::uint8_t direction)
{
    static constexpr std::array<std::string_view, 8> Words{
        "åt höger",   "snett upp åt höger",   "uppåt", "snett upp åt vänster",
        "åt vänster", "snett ner åt vänster", "nedåt", "snett ner åt höger"};
    return Words[direction % 8];
}

std::string hintText(const Hint& hint, const Level& level)
{
    switch (hint.kind) {
    case HintKind::Place: {
        const Placement& p = hint.placement;
        const std::string where =
            cellText(p.column, p.row) + ", vriden " + std::string(directionWords(p.direction));
        return hint.piece >= 0 ? "Tips: flytta " + pieceName(p.kind) + " till " + where
                               : "Tips: " + pieceName(p.kind) + " i " + where;
    }
    case HintKind::TakeBack: {
        const Piece& piece = level.pieces[static_cast<std::size_t>(hint.piece)];
        return "Ta tillbaka " + pieceName(piece.kind) + " i " + cellText(piece.column, piece.row);
    }
    case HintKind::AlreadySolved:
        return "Nivån är redan klar";
    case HintKind::NoSolution:
        return "Hittade ingen lösning";
    case HintKind::Cancelled:
        return {};
    }
    return {};
}

} // namespace prismora
