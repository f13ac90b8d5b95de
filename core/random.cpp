// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// SplitMix64 and xoshiro256**, written out so their numbers never depend on a library.
#include "core/random.h"

namespace prismora {
namespace {

constexpr std::uint64_t rotateLeft(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }

} // namespace

std::uint64_t splitMix64(std::uint64_t& state)
{
    std::uint64_t z = (state += 0x9e3779b97f4a7c15u);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9u;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebu;
    return z ^ (z >> 31);
}

Random::Random(std::uint64_t seed)
{
    // SplitMix64 never gives four zero words, the one state xoshiro must avoid.
    for (std::uint64_t& word : m_state) {
        word = splitMix64(seed);
    }
}

std::uint64_t Random::next()
{
    std::uint64_t* s = m_state;
    const std::uint64_t result = rotateLeft(s[1] * 5, 7) * 9;
    const std::uint64_t t = s[1] << 17;
    s[2] ^= s[0];
    s[3] ^= s[1];
    s[1] ^= s[2];
    s[0] ^= s[3];
    s[2] ^= t;
    s[3] = rotateLeft(s[3], 45);
    return result;
}

std::uint64_t Random::uniform(std::uint64_t n)
{
    // The largest multiple of n that 64 bits hold, as 2^64 - (2^64 mod n):
    // draws at or above it would make the low remainders more likely.
    constexpr std::uint64_t zero = 0;
    const std::uint64_t rejectFrom = zero - ((zero - n) % n);
    std::uint64_t draw = next();
    while (rejectFrom != 0 && draw >= rejectFrom) {
        draw = next();
    }
    return draw % n;
}

bool Random::chance(std::uint64_t numerator, std::uint64_t denominator)
{
    return uniform(denominator) < numerator;
}

} // namespace prismora
