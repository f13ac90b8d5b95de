// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// How promising a searched position is: lamps lit, and beams of the colours still missing.
#pragma once

#include "core/evaluation.h"
#include "core/level.h"

#include <array>
#include <cstdint>

namespace prismora {

// Which of red, green and blue enter each cell in an evaluation.
class ColourCoverage {
public:
    explicit ColourCoverage(const Evaluation& evaluation);

    // Bits 1 red, 2 green, 4 blue.
    std::uint8_t coloursAt(int column, int row) const;
    std::uint8_t coloursAnywhere() const { return m_anywhere; }

private:
    std::array<std::uint8_t, 11 * 11> m_cells{};
    std::uint8_t m_anywhere = 0;
};

// Higher is closer to solved: each colour a lamp needs (three for a white
// lamp) counts most once it reaches the lamp; a colour still missing counts a
// little when some beam of it exists and more when such a beam crosses a free
// cell in a straight line from the lamp (one more piece could send it there).
int positionScore(const Level& level, const Evaluation& evaluation, const ColourCoverage& coverage);

} // namespace prismora
