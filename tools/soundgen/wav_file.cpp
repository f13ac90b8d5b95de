// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Formatting a WAV file byte by byte, little-endian whatever the machine.
#include "wav_file.h"

namespace prismora::soundgen {
namespace {

void putNumber(std::string& bytes, std::uint32_t value, int size)
{
    for (int i = 0; i < size; ++i) {
        bytes.push_back(static_cast<char>((value >> (8 * i)) & 0xFFu));
    }
}

} // namespace

std::string wavFileBytes(const std::vector<std::int16_t>& samples, int sampleRate)
{
    constexpr std::uint32_t Channels = 1;
    constexpr std::uint32_t BytesPerSample = 2;
    const auto dataSize = static_cast<std::uint32_t>(samples.size() * BytesPerSample);
    std::string bytes = "RIFF";
    putNumber(bytes, 36 + dataSize, 4);
    bytes += "WAVEfmt ";
    putNumber(bytes, 16, 4); // the size of the format chunk
    putNumber(bytes, 1, 2);  // PCM
    putNumber(bytes, Channels, 2);
    putNumber(bytes, static_cast<std::uint32_t>(sampleRate), 4);
    putNumber(bytes, static_cast<std::uint32_t>(sampleRate) * Channels * BytesPerSample, 4);
    putNumber(bytes, Channels * BytesPerSample, 2);
    putNumber(bytes, 8 * BytesPerSample, 2);
    bytes += "data";
    putNumber(bytes, dataSize, 4);
    for (const std::int16_t sample : samples) {
        putNumber(bytes, static_cast<std::uint16_t>(sample), 2);
    }
    return bytes;
}

} // namespace prismora::soundgen
