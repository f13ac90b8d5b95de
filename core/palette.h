// The player's hand of pieces: palette rows whose text carries the count.
#pragma once

#include "core/piece_kind.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace prismora {

// Display names of the seventeen palette rows, in row order.
inline constexpr int PlayRowCount = 7;
inline constexpr int EditRowCount = 17;
extern const std::array<std::string_view, EditRowCount> PieceNames;

// Rows 10..12 add cannons of these colours in the editor.
inline constexpr int FirstCannonRow = 10;
inline constexpr int LastCannonRow = 12;

// The kind behind a row: rows 0..6 map to the placeable kinds, 7..9 and
// 13..16 to the fixed kinds; cannon rows and rows outside 0..16 have none.
std::optional<PieceKind> RowToKind(int row);
// The row of a piece kind; kinds 8, 9 and values above 15 have none.
std::optional<int> KindToRow(PieceKind kind);
// Cannon colour of rows 10..12, and the row of a cannon colour.
std::optional<std::int32_t> RowToCannonColor(int row);
std::optional<int> CannonColorToRow(std::int32_t color);

// Row text: the name padded with blanks to 49 characters, then the count.
std::string BuildPaletteRow(std::string_view name, int count);
// Characters 50..52 of a row, trimmed, as a decimal integer; nothing when
// they are not a number.
std::optional<int> ReadRowCount(std::string_view rowText);
// The row rebuilt from its trimmed name with the count raised or lowered by
// one (an unreadable count counts as 0).
std::string IncreaseRowCount(std::string_view rowText);
std::string DecreaseRowCount(std::string_view rowText);

// The rows shown by the palette list, and its selected row (-1 for none).
class Palette {
public:
    void Clear();
    // Appends the rows `first`..`last` of the name list with count 0.
    void AppendRows(int first, int last);
    void RemoveRowsFrom(int first);

    int RowCount() const { return static_cast<int>(m_rows.size()); }
    const std::string& RowText(int row) const { return m_rows.at(static_cast<std::size_t>(row)); }
    int Count(int row) const;
    void Increase(int row);
    void Decrease(int row);

    int Selected() const { return m_selected; }
    void Select(int row) { m_selected = (row >= 0 && row < RowCount()) ? row : -1; }

private:
    std::vector<std::string> m_rows;
    int m_selected = -1;
};

} // namespace prismora
