// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The sound generator's instruments: tones, noise and envelopes in plain arithmetic, the same on
// every machine.
#pragma once

#include "core/random.h"

#include <cstdint>
#include <vector>

namespace prismora::soundgen {

inline constexpr int SampleRate = 22050;

// Samples in -1..1, mixed by adding; written out clipped to 16 bits.
using Samples = std::vector<double>;

Samples silence(double seconds);

// sin(2 pi x) from a polynomial: only + - * /, which every machine rounds
// alike, so the files come out byte for byte the same everywhere.
double sineOfTurns(double turns);

// How a sound's loudness goes: a straight rise over `attack` seconds, then a
// fall by a factor e every `decay` seconds (a first-order step per sample).
struct Envelope {
    double attack = 0.005;
    double decay = 0.1;
};

// A tone gliding from `startHertz` to `endHertz` over `seconds`, its
// partials at whole multiples of the pitch with the given strengths.
struct Tone {
    double startHertz = 440;
    double endHertz = 440;
    double seconds = 0.1;
    double loudness = 0.5;
    Envelope envelope;
    std::vector<double> partials{1.0};
};
Samples tone(const Tone& tone);

// White noise through a one-pole low-pass filter (`smoothing` 0..1, higher
// is duller), shaped by `envelope`.
Samples noise(double seconds, double loudness, double smoothing, Envelope envelope, Random& random);

// Adds `sound` into `mix` from `atSeconds` on, growing the mix as needed.
void addAt(Samples& mix, const Samples& sound, double atSeconds);

// 16-bit signed samples, clipped, with a short fade at the end so that no
// sound stops with a click.
std::vector<std::int16_t> toPcm(const Samples& samples);

} // namespace prismora::soundgen
