// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The result of encoding a picture in memory: the file's bytes or the encoder's error.
#pragma once

#include "base/result.h"

#include <cstdint>
#include <string>
#include <vector>

namespace prismora {

using ImageBytes = std::vector<std::uint8_t>;
using EncodedImage = Result<ImageBytes>;

// "<format> error: unsupported size W x H", for sizes a writer cannot store.
inline Error unsupportedSize(const char* format, int width, int height)
{
    return {std::string(format) + " error: unsupported size " + std::to_string(width) + " x " +
            std::to_string(height)};
}

// Appends little-endian integers to a byte vector (the BMP, PCX and TGA layouts).
class ByteWriter {
public:
    explicit ByteWriter(std::vector<std::uint8_t>& out) : m_out(out) {}
    void u8(unsigned value) { m_out.push_back(static_cast<std::uint8_t>(value)); }
    void u16(unsigned value)
    {
        u8(value & 255u);
        u8((value >> 8) & 255u);
    }
    void u32(std::uint32_t value)
    {
        u16(value & 0xFFFFu);
        u16(value >> 16);
    }
    void zeros(std::size_t count) { m_out.insert(m_out.end(), count, 0); }
    void text(const char* text)
    {
        while (*text) {
            u8(static_cast<unsigned char>(*text++));
        }
    }

private:
    std::vector<std::uint8_t>& m_out;
};

} // namespace prismora
