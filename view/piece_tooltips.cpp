// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Tooltip texts from the pieces' help sentences and the palette's names.
#include "view/piece_tooltips.h"

#include "core/palette.h"
#include "core/piece_help.h"
#include "view/palette_list.h"
#include "view/translated_text.h"

namespace prismora {
namespace {

QString named(const std::optional<int>& row, const LocalText& help)
{
    if (!row || help.empty()) {
        return {};
    }
    return paletteRowName(*row) + QStringLiteral(": ") + translated(help);
}

} // namespace

QString boardToolTip(const Level& level, std::int64_t column, std::int64_t row)
{
    for (auto piece = level.pieces.rbegin(); piece != level.pieces.rend(); ++piece) {
        if (!piece->removed && piece->column == column && piece->row == row) {
            return named(rowOfKind(piece->kind), pieceHelpAt(piece->kind, piece->direction));
        }
    }
    for (auto source = level.sources.rbegin(); source != level.sources.rend(); ++source) {
        if (source->isCannon() && !source->removed && source->column == column &&
            source->row == row) {
            return named(rowOfCannonColour(source->colour),
                         cannonHelpAt(source->colour, source->direction));
        }
    }
    return {};
}

QString paletteRowToolTip(int row)
{
    return named(row >= 0 && row < EditRowCount ? std::optional<int>(row) : std::nullopt,
                 paletteRowHelp(row));
}

} // namespace prismora
