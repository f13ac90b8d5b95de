// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A seeded pseudo-random generator whose numbers are the same on every machine, compiler and build.
#pragma once

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <ranges>

namespace prismora {

// One step of SplitMix64: advances `state` and returns 64 well-mixed bits.
// Also a good hash of a number when called on a copy.
std::uint64_t splitMix64(std::uint64_t& state);

// xoshiro256** seeded through SplitMix64. Everything a level generator draws
// goes through this class and its own integer arithmetic: the distributions
// of <random> may differ between standard libraries, and so would the levels.
class Random {
public:
    explicit Random(std::uint64_t seed);

    // 64 random bits.
    std::uint64_t next();
    // A number in 0..n-1, each equally likely (draws that would favour the
    // low numbers are thrown away). n must be at least 1.
    std::uint64_t uniform(std::uint64_t n);
    // True with probability numerator / denominator (denominator at least 1).
    bool chance(std::uint64_t numerator, std::uint64_t denominator);

    // Puts the items (a vector, an array, a span) in a random order, every
    // order equally likely.
    template <std::ranges::random_access_range Items> void shuffle(Items&& items)
    {
        const auto first = std::ranges::begin(items);
        for (auto i = static_cast<std::uint64_t>(std::ranges::size(items)); i > 1; --i) {
            std::ranges::iter_swap(first + static_cast<std::ptrdiff_t>(i - 1),
                                   first + static_cast<std::ptrdiff_t>(uniform(i)));
        }
    }

private:
    std::uint64_t m_state[4];
};

} // namespace prismora
