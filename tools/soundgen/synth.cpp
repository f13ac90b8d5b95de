// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Tones, noise and envelopes for the sound generator, in arithmetic that rounds alike everywhere.
#include "synth.h"

#include <algorithm>
#include <cstddef>

namespace prismora::soundgen {
namespace {

constexpr double Pi = 3.14159265358979323846;

std::size_t sampleCount(double seconds)
{
    return static_cast<std::size_t>(seconds * SampleRate + 0.5);
}

// Loudness of each sample of an envelope over `count` samples.
std::vector<double> shape(const Envelope& envelope, std::size_t count)
{
    std::vector<double> gains(count);
    const double attackSamples = std::max(1.0, envelope.attack * SampleRate);
    const double fall = 1.0 / (envelope.decay * SampleRate);
    double level = 1.0;
    for (std::size_t i = 0; i < count; ++i) {
        const double position = static_cast<double>(i);
        if (position < attackSamples) {
            gains[i] = position / attackSamples;
        } else {
            gains[i] = level;
            level -= level * fall;
        }
    }
    return gains;
}

} // namespace

Samples silence(double seconds) { return Samples(sampleCount(seconds), 0.0); }

double sineOfTurns(double turns)
{
    // Into -0.5..0.5 turns, then -pi..pi, folded into -pi/2..pi/2, where a
    // Taylor series to x^11 is exact to 16 bits.
    double fraction = turns - static_cast<double>(static_cast<std::int64_t>(turns));
    if (fraction > 0.5) {
        fraction -= 1.0;
    } else if (fraction < -0.5) {
        fraction += 1.0;
    }
    double x = fraction * 2.0 * Pi;
    if (x > Pi / 2) {
        x = Pi - x;
    } else if (x < -Pi / 2) {
        x = -Pi - x;
    }
    const double x2 = x * x;
    double term = x;
    double sum = x;
    for (int n = 1; n <= 5; ++n) {
        term *= -x2 / static_cast<double>((2 * n) * (2 * n + 1));
        sum += term;
    }
    return sum;
}

Samples tone(const Tone& tone)
{
    const std::size_t count = sampleCount(tone.seconds);
    const std::vector<double> gains = shape(tone.envelope, count);
    Samples samples(count);
    double totalStrength = 0;
    for (const double strength : tone.partials) {
        totalStrength += strength;
    }
    double phase = 0; // in turns of the fundamental
    for (std::size_t i = 0; i < count; ++i) {
        const double progress = static_cast<double>(i) / static_cast<double>(count);
        const double hertz = tone.startHertz + (tone.endHertz - tone.startHertz) * progress;
        double value = 0;
        for (std::size_t p = 0; p < tone.partials.size(); ++p) {
            value += tone.partials[p] * sineOfTurns(phase * static_cast<double>(p + 1));
        }
        samples[i] = tone.loudness * gains[i] * value / totalStrength;
        phase += hertz / SampleRate;
        phase -= static_cast<double>(static_cast<std::int64_t>(phase));
    }
    return samples;
}

Samples noise(double seconds, double loudness, double smoothing, Envelope envelope, Random& random)
{
    const std::size_t count = sampleCount(seconds);
    const std::vector<double> gains = shape(envelope, count);
    Samples samples(count);
    double filtered = 0;
    for (std::size_t i = 0; i < count; ++i) {
        // 24 random bits as a number in -1..1.
        const double white = static_cast<double>(random.next() >> 40) / 8388608.0 - 1.0;
        filtered = filtered * smoothing + white * (1.0 - smoothing);
        samples[i] = loudness * gains[i] * filtered;
    }
    return samples;
}

void addAt(Samples& mix, const Samples& sound, double atSeconds)
{
    const std::size_t start = sampleCount(atSeconds);
    if (mix.size() < start + sound.size()) {
        mix.resize(start + sound.size(), 0.0);
    }
    for (std::size_t i = 0; i < sound.size(); ++i) {
        mix[start + i] += sound[i];
    }
}

std::vector<std::int16_t> toPcm(const Samples& samples)
{
    const std::size_t fade = std::min<std::size_t>(samples.size(), sampleCount(0.01));
    std::vector<std::int16_t> pcm(samples.size());
    for (std::size_t i = 0; i < samples.size(); ++i) {
        double value = std::clamp(samples[i], -1.0, 1.0);
        const std::size_t left = samples.size() - i;
        if (left < fade) {
            value *= static_cast<double>(left) / static_cast<double>(fade);
        }
        const double scaled = value * 32767.0;
        pcm[i] = static_cast<std::int16_t>(scaled < 0 ? scaled - 0.5 : scaled + 0.5);
    }
    return pcm;
}

} // namespace prismora::soundgen
