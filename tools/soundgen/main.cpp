// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// soundgen: synthesises the game's sound effects into a folder as WAV files.
#include "sounds.h"
#include "wav_file.h"

#include "base/file_replacement.h"

#include <cstdio>
#include <filesystem>

using namespace prismora::soundgen;

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fputs("usage: soundgen SOUNDS_FOLDER\n"
                   "Writes take.wav, turn.wav, drop.wav, lamp.wav, bomb.wav and solved.wav\n"
                   "(16-bit mono PCM) into SOUNDS_FOLDER, byte for byte the same every run.\n",
                   stderr);
        return 2;
    }
    const std::filesystem::path folder(argv[1]);
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    for (const SoundEffect& sound : gameSounds()) {
        const auto written = prismora::replaceFileContents(
            folder / sound.fileName, wavFileBytes(toPcm(sound.samples), SampleRate));
        if (!written.ok()) {
            std::fprintf(stderr, "soundgen: %s: %s\n", written.error().path.string().c_str(),
                         written.error().reason.c_str());
            return 1;
        }
    }
    return 0;
}
