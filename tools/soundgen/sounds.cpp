// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The recipes of the game's sounds: a blip to take, a click to turn, a thump to drop, a chime
// for a lamp, a blast for a bomb and a rising arpeggio for a solved level.
#include "sounds.h"

namespace prismora::soundgen {
namespace {

// A bell-like tone: a strong fundamental and soft upper partials.
Samples bell(double hertz, double seconds, double loudness)
{
    Tone chime;
    chime.startHertz = chime.endHertz = hertz;
    chime.seconds = seconds;
    chime.loudness = loudness;
    chime.envelope = {0.003, seconds / 3};
    chime.partials = {1.0, 0.0, 0.35, 0.0, 0.12};
    return tone(chime);
}

Samples take() { return tone({600, 950, 0.08, 0.45, {0.004, 0.04}, {1.0, 0.3}}); }

Samples turn(Random& random)
{
    Samples click = tone({1500, 1100, 0.035, 0.35, {0.001, 0.008}, {1.0, 0.5, 0.25}});
    addAt(click, noise(0.02, 0.25, 0.3, {0.001, 0.004}, random), 0.0);
    return click;
}

Samples drop(Random& random)
{
    Samples thump = tone({420, 180, 0.12, 0.6, {0.002, 0.035}, {1.0, 0.4}});
    addAt(thump, noise(0.05, 0.3, 0.85, {0.001, 0.012}, random), 0.0);
    return thump;
}

Samples lamp()
{
    Samples chime = bell(1318.5, 0.45, 0.4);
    addAt(chime, bell(1975.5, 0.35, 0.2), 0.03);
    return chime;
}

Samples bomb(Random& random)
{
    Samples blast = noise(0.7, 0.9, 0.9, {0.004, 0.16}, random);
    addAt(blast, tone({90, 40, 0.6, 0.6, {0.004, 0.18}, {1.0, 0.5}}), 0.0);
    addAt(blast, noise(0.08, 0.5, 0.2, {0.001, 0.02}, random), 0.0);
    return blast;
}

Samples solved()
{
    // C5 E5 G5 C6, the last held, over a soft C major chord.
    const double notes[] = {523.25, 659.25, 783.99, 1046.5};
    Samples tune;
    for (int i = 0; i < 4; ++i) {
        addAt(tune, bell(notes[i], i == 3 ? 0.6 : 0.25, 0.4), 0.11 * i);
    }
    for (const double hertz : {261.63, 329.63, 392.0}) {
        addAt(tune, bell(hertz, 0.6, 0.12), 0.33);
    }
    return tune;
}

} // namespace

std::vector<SoundEffect> gameSounds()
{
    // A sound server waits for a little of a new stream before it plays it,
    // and Qt 6.4 does not always push a very short one through: every sound
    // lasts at least MinimumSeconds, the rest silent.
    constexpr double MinimumSeconds = 0.25;
    // One seed for all: the noise is part of the recipe.
    Random random(0x50524953u);
    std::vector<SoundEffect> sounds;
    sounds.push_back({"take.wav", take()});
    sounds.push_back({"turn.wav", turn(random)});
    sounds.push_back({"drop.wav", drop(random)});
    sounds.push_back({"lamp.wav", lamp()});
    sounds.push_back({"bomb.wav", bomb(random)});
    sounds.push_back({"solved.wav", solved()});
    for (SoundEffect& sound : sounds) {
        addAt(sound.samples, silence(MinimumSeconds), 0.0);
    }
    return sounds;
}

} // namespace prismora::soundgen
