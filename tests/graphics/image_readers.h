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
    int Width = 0;
    int Height = 0;
    int Components = 0; // JPEG only: colour components in the file
    std::vector<std::uint32_t> Pixels;
    std::uint32_t At(int x, int y) const
    {
        return Pixels[std::size_t(y) * std::size_t(Width) + std::size_t(x)];
    }
};

std::vector<std::uint8_t> ReadFileBytes(const std::string& path);

// Small readers written from the file format descriptions.
std::optional<DecodedImage> ReadBmp(const std::string& path);
std::optional<DecodedImage> ReadPcx(const std::string& path);
std::optional<DecodedImage> ReadTga(const std::string& path);
// Through the codec libraries' decoders.
std::optional<DecodedImage> ReadPng(const std::string& path);
std::optional<DecodedImage> ReadTiff(const std::string& path);
std::optional<DecodedImage> ReadJpeg(const std::string& path, int* firstLuminanceQuant = nullptr,
                                     bool* progressive = nullptr);

// "WIDTHxHEIGHT" from ImageMagick's identify, or nothing when it is not installed.
std::optional<std::string> IdentifySize(const std::string& path);

} // namespace prismora::testing
