// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What the solver's search shares with its checks: how pieces act on arrivals, working orders,
// signatures, budgets.
#pragma once

#include "core/colour_slot.h"
#include "core/solver.h"

#include <array>
#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace prismora {

inline std::uint8_t firstDirection(std::uint8_t directions)
{
    return static_cast<std::uint8_t>(__builtin_ctz(directions));
}

// An arriving beam as one number 0..31: direction * 4 + colour slot.
inline std::uint8_t arrivalIndex(std::uint8_t direction, ColourSlot slot)
{
    return static_cast<std::uint8_t>(direction * ColourSlots + static_cast<int>(slot));
}

// Directions of one piece that act alike: bit d for direction d.
struct DirectionGroups {
    std::array<std::uint8_t, 8> groups{};
    int count = 0;
};

// What each placeable kind (by palette row) turned to each direction does
// with a beam arriving in each direction and colour slot, as a number: equal
// numbers, same deed (leaving direction, output fed and its colour). This is
// the one rule of which directions act alike (see directionsActAlike).
class Behaviour {
public:
    Behaviour();

    // The groups of `directions` that act alike on every arrival (bit
    // arrivalIndex) in `arrivals`, in the order of their lowest direction.
    DirectionGroups groups(int row, std::uint8_t directions, std::uint32_t arrivals) const;
    bool actAlike(int row, int first, int second, std::uint32_t arrivals) const;
    bool isUniform(int row, std::uint8_t directions, int arrival) const;
    std::uint16_t codeOf(int row, int direction, int arrival) const
    {
        return m_codes[static_cast<std::size_t>((row * 8 + direction) * 32 + arrival)];
    }

private:
    std::array<std::uint16_t, 7 * 8 * 32> m_codes{};
};

const Behaviour& behaviour();

// An order of placing `placements` on `base` that solves it as placed and as
// saved and loaded again, or nothing. Only the order of the splitting pieces
// can matter (their outputs take the next source indices). `work` is scratch
// space holding a copy of `base`. Every order of up to seven splitting
// pieces is tried; of more, only the first MostSplittingOrders (a
// stranger's file with a dozen would otherwise take hours on one position),
// and `isCut`, when given, is set when none of those worked.
inline constexpr std::size_t MostSplittingOrders = 5040; // 7!
std::optional<std::vector<Placement>> workingOrder(const Level& base, Level& work,
                                                   const std::vector<Placement>& placements,
                                                   bool* isCut = nullptr);

// What tells one solution from another: each piece's cell and kind and what
// it does to the beams that reach it in the solved position (`order` placed on
// `base`). Nothing when some piece is crossed by no beam there.
std::optional<std::string> solutionSignature(const Level& base, Level& work,
                                             const std::vector<Placement>& order);

// The limits of one search as it runs: states, cancelling, and the time cap.
class SearchBudget {
public:
    explicit SearchBudget(const SolveLimits& limits);
    // Counts one more state; true when the search must stop (see reason()).
    bool spend();
    GiveUpReason reason() const { return m_reason; }
    long states() const { return m_states; }

private:
    SolveLimits m_limits;
    std::chrono::steady_clock::time_point m_deadline;
    long m_states = 0;
    GiveUpReason m_reason = GiveUpReason::None;
};

// The pieces a search may place: at most the palette's play rows hold, or
// limits.maxPieces, and never more than MaxSearchDepth (`isCut` then).
struct SearchDepth {
    int pieces = 0;
    bool isCut = false;
};
SearchDepth searchDepth(const Level& level, const SolveLimits& limits);

} // namespace prismora
