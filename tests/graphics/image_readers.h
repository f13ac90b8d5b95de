// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Independent decoders used by the tests to read back every written picture file.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace prismora::testing {

// A decoded picture: rows top to bottom, each pixel $AARRGGBB (alpha 255 when the
// file has none).
struct DecodedImage {
    int width = 0;
    int height = 0;
    int components = 0; // JPEG only: colour components in the file
    std::vector<std::uint32_t> pixels;
    std::uint32_t at(int x, int y) const
    {
        return pixels[std::size_t(y) * std::size_t(width) + std::size_t(x)];
    }
};

std::vector<std::uint8_t> readFileBytes(const std::string& path);

// Small readers written from the file format descriptions.
std::optional<DecodedImage> readBmp(const std::string& path);
std::optional<DecodedImage> readPcx(const std::string& path);
std::optional<DecodedImage> readTga(const std::string& path);
// Through the codec libraries' decoders.
std::optional<DecodedImage> readPng(const std::string& path);
std::optional<DecodedImage> readTiff(const std::string& path);
std::optional<DecodedImage> readJpeg(const std::string& path, int* firstLuminanceQuant = nullptr,
                                     bool* progressive = nullptr);

// "WIDTHxHEIGHT" from ImageMagick's identify, or nothing when it is not installed.
std::optional<std::string> identifySize(const std::string& path);

} // namespace prismora::testing
