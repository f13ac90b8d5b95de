// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The palette's row tables.
#include "core/palette.h"

#include "core/local_text.h"

namespace prismora {

// Marked so that the window can show them in the player's language; the tools use them as they are.
const std::array<std::string_view, EditRowCount> PaletteRowNames{
    QT_TRANSLATE_NOOP("prismora::CoreText", "Spegel"),
    QT_TRANSLATE_NOOP("prismora::CoreText", "Dubbelspegel"),
    QT_TRANSLATE_NOOP("prismora::CoreText", "Kryss"),
    QT_TRANSLATE_NOOP("prismora::CoreText", "T-koppling"),
    QT_TRANSLATE_NOOP("prismora::CoreText", "T-koppling 2"),
    QT_TRANSLATE_NOOP("prismora::CoreText", "Inverterare"),
    QT_TRANSLATE_NOOP("prismora::CoreText", "Y-koppling"),
    QT_TRANSLATE_NOOP("prismora::CoreText", "Röd lampa"),
    QT_TRANSLATE_NOOP("prismora::CoreText", "Grön lampa"),
    QT_TRANSLATE_NOOP("prismora::CoreText", "Blå lampa"),
    QT_TRANSLATE_NOOP("prismora::CoreText", "Röd Laserkanon"),
    QT_TRANSLATE_NOOP("prismora::CoreText", "Grön Laserkanon"),
    QT_TRANSLATE_NOOP("prismora::CoreText", "Blå Laserkanon"),
    QT_TRANSLATE_NOOP("prismora::CoreText", "Hinder"),
    QT_TRANSLATE_NOOP("prismora::CoreText", "Bomb"),
    QT_TRANSLATE_NOOP("prismora::CoreText", "Enkelriktare"),
    QT_TRANSLATE_NOOP("prismora::CoreText", "Vit lampa"),
};

namespace {

constexpr int NoKind = -1;
constexpr std::array<int, EditRowCount> KindOfRow{0, 1,      4,      2,      3,  11, 12, 5, 6,
                                                  7, NoKind, NoKind, NoKind, 10, 13, 14, 15};
constexpr std::array<std::int32_t, 3> CannonColours{RedBeam, GreenBeam, BlueBeam};

} // namespace

std::optional<PieceKind> kindOfRow(int row)
{
    if (row < 0 || row >= EditRowCount || KindOfRow[static_cast<std::size_t>(row)] == NoKind) {
        return std::nullopt;
    }
    return static_cast<PieceKind>(KindOfRow[static_cast<std::size_t>(row)]);
}

std::optional<int> rowOfKind(PieceKind kind)
{
    for (int row = 0; row < EditRowCount; ++row) {
        if (KindOfRow[static_cast<std::size_t>(row)] == static_cast<int>(kind)) {
            return row;
        }
    }
    return std::nullopt;
}

std::optional<std::int32_t> cannonColourOfRow(int row)
{
    if (row < FirstCannonRow || row > LastCannonRow) {
        return std::nullopt;
    }
    return CannonColours[static_cast<std::size_t>(row - FirstCannonRow)];
}

std::optional<int> rowOfCannonColour(std::int32_t colour)
{
    for (int row = FirstCannonRow; row <= LastCannonRow; ++row) {
        if (CannonColours[static_cast<std::size_t>(row - FirstCannonRow)] == colour) {
            return row;
        }
    }
    return std::nullopt;
}

} // namespace prismora
