// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Naming cells and elements in Swedish.
#include "core/board_texts.h"

#include "core/palette.h"

namespace prismora {

std::string cellText(std::int32_t column, std::int32_t row)
{
    return "kolumn " + std::to_string(column) + ", rad " + std::to_string(row);
}

std::string elementText(const MeasureElement& element)
{
    const std::optional<int> row = rowOfKind(element.kind);
    const std::string name =
        row ? std::string(PaletteRowNames[static_cast<std::size_t>(*row)]) : std::string("Del");
    return name + " i " + cellText(element.column, element.row);
}

} // namespace prismora
