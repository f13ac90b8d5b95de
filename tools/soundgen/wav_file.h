// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The bytes of a WAV file: 16-bit mono PCM with the standard 44-byte header.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace prismora::soundgen {

std::string wavFileBytes(const std::vector<std::int16_t>& samples, int sampleRate);

} // namespace prismora::soundgen
