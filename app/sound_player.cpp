// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Playing the compiled-in sound effects through QSoundEffect.
#include "app/sound_player.h"

#include <QSoundEffect>
#include <QUrl>

namespace prismora {
namespace {

const char* fileOf(GameSound sound)
{
    switch (sound) {
    case GameSound::Take:
        return "take.wav";
    case GameSound::Turn:
        return "turn.wav";
    case GameSound::Drop:
        return "drop.wav";
    case GameSound::Lamp:
        return "lamp.wav";
    case GameSound::Bomb:
        return "bomb.wav";
    case GameSound::Solved:
        return "solved.wav";
    }
    return "";
}

} // namespace

SoundPlayer::SoundPlayer(QObject* parent) : QObject(parent) {}

void SoundPlayer::play(GameSound sound)
{
    const auto index = static_cast<std::size_t>(sound);
    if (index >= SoundCount) {
        return;
    }
    QSoundEffect*& effect = m_effects[index];
    if (effect == nullptr) {
        effect = new QSoundEffect(this);
        effect->setSource(QUrl(QStringLiteral("qrc:/sounds/") + QLatin1String(fileOf(sound))));
        effect->setVolume(0.6F);
    }
    // A sound still loading plays once it is ready; one playing starts again.
    effect->play();
}

} // namespace prismora
