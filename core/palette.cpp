// Palette row texts and the row <-> kind tables.
#include "core/palette.h"

#include "core/text.h"

#include <charconv>

namespace prismora {

const std::array<std::string_view, EditRowCount> PieceNames{
    "Spegel",         "Dubbelspegel",    "Kryss",          "T-koppling", "T-koppling 2",
    "Inverterare",    "Y-koppling",      "Röd lampa",      "Grön lampa", "Blå lampa",
    "Röd Laserkanon", "Grön Laserkanon", "Blå Laserkanon", "Hinder",     "Bomb",
    "Enkelriktare",   "Vit lampa",
};

namespace {

constexpr int NameFieldWidth = 49;
constexpr int NoKind = -1;
constexpr std::array<int, EditRowCount> KindOfRow{0, 1,      4,      2,      3,  11, 12, 5, 6,
                                                  7, NoKind, NoKind, NoKind, 10, 13, 14, 15};

} // namespace

std::optional<PieceKind> RowToKind(int row)
{
    if (row < 0 || row >= EditRowCount || KindOfRow[static_cast<std::size_t>(row)] == NoKind) {
        return std::nullopt;
    }
    return static_cast<PieceKind>(KindOfRow[static_cast<std::size_t>(row)]);
}

std::optional<int> KindToRow(PieceKind kind)
{
    for (int row = 0; row < EditRowCount; ++row) {
        if (KindOfRow[static_cast<std::size_t>(row)] == static_cast<int>(kind)) {
            return row;
        }
    }
    return std::nullopt;
}

std::optional<std::int32_t> RowToCannonColor(int row)
{
    switch (row) {
    case 10:
        return RedBeam;
    case 11:
        return GreenBeam;
    case 12:
        return BlueBeam;
    default:
        return std::nullopt;
    }
}

std::optional<int> CannonColorToRow(std::int32_t color)
{
    switch (color) {
    case RedBeam:
        return 10;
    case GreenBeam:
        return 11;
    case BlueBeam:
        return 12;
    default:
        return std::nullopt;
    }
}

std::string BuildPaletteRow(std::string_view name, int count)
{
    const std::string_view trimmed = TrimBlanks(name);
    std::string row(trimmed);
    const std::size_t length = CharacterCount(trimmed);
    if (length < NameFieldWidth) {
        row.append(NameFieldWidth - length, ' ');
    }
    row += std::to_string(count);
    return row;
}

std::optional<int> ReadRowCount(std::string_view rowText)
{
    const std::string field = CharacterSlice(rowText, NameFieldWidth, 3);
    const std::string_view digits = TrimBlanks(field);
    int value = 0;
    const char* end = digits.data() + digits.size();
    const auto [stop, error] = std::from_chars(digits.data(), end, value);
    if (digits.empty() || error != std::errc{} || stop != end) {
        return std::nullopt;
    }
    return value;
}

namespace {

std::string RebuildRow(std::string_view rowText, int delta)
{
    const std::string name = CharacterSlice(rowText, 0, NameFieldWidth);
    return BuildPaletteRow(name, ReadRowCount(rowText).value_or(0) + delta);
}

} // namespace

std::string IncreaseRowCount(std::string_view rowText) { return RebuildRow(rowText, +1); }

std::string DecreaseRowCount(std::string_view rowText) { return RebuildRow(rowText, -1); }

void Palette::Clear()
{
    m_rows.clear();
    m_selected = -1;
}

void Palette::AppendRows(int first, int last)
{
    for (int row = first; row <= last && row < EditRowCount; ++row) {
        m_rows.push_back(BuildPaletteRow(PieceNames[static_cast<std::size_t>(row)], 0));
    }
}

void Palette::RemoveRowsFrom(int first)
{
    if (first < RowCount()) {
        m_rows.resize(static_cast<std::size_t>(first));
    }
    if (m_selected >= RowCount()) {
        m_selected = -1;
    }
}

int Palette::Count(int row) const { return ReadRowCount(RowText(row)).value_or(0); }

void Palette::Increase(int row)
{
    std::string& text = m_rows.at(static_cast<std::size_t>(row));
    text = IncreaseRowCount(text);
}

void Palette::Decrease(int row)
{
    std::string& text = m_rows.at(static_cast<std::size_t>(row));
    text = DecreaseRowCount(text);
}

} // namespace prismora
