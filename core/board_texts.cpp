// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Words for board cells and the elements standing on them.
#include "core/board_texts.h"

#include "core/palette.h"

namespace prismora {

LocalText cellWords(std::int32_t column, std::int32_t row)
{
    return {
        QT_TRANSLATE_NOOP("prismora::CoreText", "kolumn %1, rad %2"),
        {LocalText::verbatim(std::to_string(column)), LocalText::verbatim(std::to_string(row))}};
}

LocalText elementWords(const MeasureElement& element)
{
    const std::optional<int> row = rowOfKind(element.kind);
    LocalText name{row ? std::string(PaletteRowNames[static_cast<std::size_t>(*row)])
                       : std::string(QT_TRANSLATE_NOOP("prismora::CoreText", "Del")),
                   {}};
    return {QT_TRANSLATE_NOOP("prismora::CoreText", "%1 i %2"),
            {std::move(name), cellWords(element.column, element.row)}};
}

std::string cellText(std::int32_t column, std::int32_t row)
{
    return swedishText(cellWords(column, row));
}

} // namespace prismora
