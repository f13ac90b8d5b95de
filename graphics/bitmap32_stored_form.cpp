// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The stored form of a Bitmap32: width, height and the raw little-endian pixels.
#include "graphics/bitmap32.h"

#include "graphics/graphics_error.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace prismora {

namespace {

// Pixels are gathered in steps of this many before the bitmap is sized, so a
// stream announcing a huge size but holding little data costs little memory.
constexpr std::size_t ReadChunkPixels = std::size_t(1) << 18;

bool readInt32(std::istream& stream, std::int32_t& value)
{
    std::array<unsigned char, 4> bytes{};
    if (!stream.read(reinterpret_cast<char*>(bytes.data()), 4)) {
        return false;
    }
    value = static_cast<std::int32_t>(std::uint32_t(bytes[0]) | (std::uint32_t(bytes[1]) << 8) |
                                      (std::uint32_t(bytes[2]) << 16) |
                                      (std::uint32_t(bytes[3]) << 24));
    return true;
}

void appendLittleEndian(std::vector<unsigned char>& out, std::uint32_t value)
{
    for (int shift = 0; shift < 32; shift += 8) {
        out.push_back(static_cast<unsigned char>(value >> shift));
    }
}

bool readPixelBytes(std::istream& stream, std::size_t count, std::vector<unsigned char>& bytes)
{
    const std::size_t total = count * 4;
    while (bytes.size() < total) {
        const std::size_t step = std::min(total - bytes.size(), ReadChunkPixels * 4);
        const std::size_t start = bytes.size();
        bytes.resize(start + step);
        if (!stream.read(reinterpret_cast<char*>(bytes.data() + start),
                         static_cast<std::streamsize>(step))) {
            return false;
        }
    }
    return true;
}

} // namespace

Status Bitmap32::readPixels(std::istream& stream)
{
    std::optional<std::string> error;
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::vector<unsigned char> bytes;
    if (!readInt32(stream, width) || !readInt32(stream, height)) {
        error = StreamReadErrorText;
    }
    const std::int64_t count =
        error ? 0 : std::int64_t(std::max(width, 0)) * std::int64_t(std::max(height, 0));
    if (!error && count > MaxPixels) {
        error = AllocationErrorText;
    }
    if (!error && !readPixelBytes(stream, static_cast<std::size_t>(count), bytes)) {
        error = StreamReadErrorText;
    }
    if (error) {
        setSize(0, 0);
    } else {
        setSize(width, height);
        Color32* pixels = bits();
        for (std::size_t i = 0; i < static_cast<std::size_t>(count); ++i) {
            const unsigned char* p = bytes.data() + i * 4;
            pixels[i] = Color32(p[0]) | (Color32(p[1]) << 8) | (Color32(p[2]) << 16) |
                        (Color32(p[3]) << 24);
        }
    }
    changed();
    if (error) {
        return Error{*error};
    }
    return {};
}

Status Bitmap32::writePixels(std::ostream& stream) const
{
    std::vector<unsigned char> bytes;
    bytes.reserve(8 + pixelCount() * 4);
    appendLittleEndian(bytes, static_cast<std::uint32_t>(width()));
    appendLittleEndian(bytes, static_cast<std::uint32_t>(height()));
    const Color32* pixels = bits();
    for (std::size_t i = 0; pixels && i < pixelCount(); ++i) {
        appendLittleEndian(bytes, pixels[i]);
    }
    if (!stream.write(reinterpret_cast<const char*>(bytes.data()),
                      static_cast<std::streamsize>(bytes.size()))) {
        return Error{StreamWriteErrorText};
    }
    return {};
}

} // namespace prismora
