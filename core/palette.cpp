// The palette's row tables.
#include "core/palette.h"

namespace prismora {

const std::array<std::string_view, EditRowCount> PaletteRowNames{
    "Spegel",         "Dubbelspegel",    "Kryss",          "T-koppling", "T-koppling 2",
    "Inverterare",    "Y-koppling",      "Röd lampa",      "Grön lampa", "Blå lampa",
    "Röd Laserkanon", "Grön Laserkanon", "Blå Laserkanon", "Hinder",     "Bomb",
    "Enkelriktare",   "Vit lampa",
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
