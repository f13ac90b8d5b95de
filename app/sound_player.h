// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The game's sound effects, played through Qt Multimedia, or not at all where there is no sound.
#pragma once

#include <QObject>

#include <array>

class QSoundEffect;

namespace prismora {

enum class GameSound { Take, Turn, Drop, Lamp, Bomb, Solved };

// Plays the sounds compiled in from resources/sounds (made by tools/soundgen),
// one QSoundEffect each. Each is made at its first play, so start-up never
// touches the audio system; QSoundEffect loads and plays without waiting,
// and with no audio device or sound server it stays silent.
class SoundPlayer : public QObject {
    Q_OBJECT

public:
    explicit SoundPlayer(QObject* parent = nullptr);

    void play(GameSound sound);

private:
    static constexpr std::size_t SoundCount = 6;
    std::array<QSoundEffect*, SoundCount> m_effects{};
};

} // namespace prismora
