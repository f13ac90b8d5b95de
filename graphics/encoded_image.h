// The result of encoding a picture in memory: the file's bytes or an error text.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace prismora {

struct EncodedImage {
    std::vector<std::uint8_t> Bytes;
    std::optional<std::string> Error;
};

// "<format> error: unsupported size W x H", for sizes a writer cannot store.
inline EncodedImage UnsupportedSize(const char* format, int width, int height)
{
    return {{},
            std::string(format) + " error: unsupported size " + std::to_string(width) + " x " +
                std::to_string(height)};
}

// Appends little-endian integers to a byte vector (the BMP, PCX and TGA layouts).
class ByteWriter {
public:
    explicit ByteWriter(std::vector<std::uint8_t>& out) : m_out(out) {}
    void U8(unsigned value) { m_out.push_back(static_cast<std::uint8_t>(value)); }
    void U16(unsigned value)
    {
        U8(value & 255u);
        U8((value >> 8) & 255u);
    }
    void U32(std::uint32_t value)
    {
        U16(value & 0xFFFFu);
        U16(value >> 16);
    }
    void Zeros(std::size_t count) { m_out.insert(m_out.end(), count, 0); }
    void Text(const char* text)
    {
        while (*text) {
            U8(static_cast<unsigned char>(*text++));
        }
    }

private:
    std::vector<std::uint8_t>& m_out;
};

} // namespace prismora
