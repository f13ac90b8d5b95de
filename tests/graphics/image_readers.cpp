// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Test-side picture decoders: own BMP, PCX and TGA readers, library readers for the rest.
#include "image_readers.h"

#include <jpeglib.h>
#include <png.h>
#include <tiffio.h>

#include <array>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <memory>

namespace prismora::testing {

namespace {

unsigned u16(const std::vector<std::uint8_t>& d, std::size_t at) { return d[at] | d[at + 1] << 8; }
std::uint32_t u32(const std::vector<std::uint8_t>& d, std::size_t at)
{
    return u16(d, at) | std::uint32_t(u16(d, at + 2)) << 16;
}
std::uint32_t rgb(unsigned r, unsigned g, unsigned b, unsigned a = 255)
{
    return std::uint32_t(a) << 24 | std::uint32_t(r) << 16 | std::uint32_t(g) << 8 | b;
}

DecodedImage blank(int width, int height)
{
    DecodedImage image;
    image.width = width;
    image.height = height;
    image.pixels.resize(std::size_t(width) * std::size_t(height));
    return image;
}

// Reads one BMP pixel at bit offset position of a row.
std::uint32_t bmpPixel(const std::vector<std::uint8_t>& d, std::size_t row, int x, unsigned bits,
                       std::size_t paletteAt)
{
    if (bits == 24 || bits == 32) {
        const std::size_t at = row + std::size_t(x) * (bits / 8);
        return rgb(d.at(at + 2), d.at(at + 1), d.at(at), bits == 32 ? d.at(at + 3) : 255);
    }
    unsigned index = bits == 8 ? d.at(row + std::size_t(x)) : d.at(row + std::size_t(x) / 2);
    if (bits == 4) {
        index = x % 2 == 0 ? index >> 4 : index & 15;
    }
    const std::size_t entry = paletteAt + index * 4;
    return rgb(d.at(entry + 2), d.at(entry + 1), d.at(entry));
}

} // namespace

std::vector<std::uint8_t> readFileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::optional<DecodedImage> readBmp(const std::string& path)
{
    const auto d = readFileBytes(path);
    if (d.size() < 54 || d[0] != 'B' || d[1] != 'M' || u32(d, 14) != 40 || u32(d, 30) != 0) {
        return std::nullopt;
    }
    const int width = int(u32(d, 18));
    const int rawHeight = int(u32(d, 22));
    const int height = rawHeight < 0 ? -rawHeight : rawHeight;
    const unsigned bits = u16(d, 28);
    const std::size_t rowBytes = (std::size_t(width) * bits + 31) / 32 * 4;
    const std::size_t dataAt = u32(d, 10);
    if (dataAt + rowBytes * std::size_t(height) > d.size()) {
        return std::nullopt;
    }
    DecodedImage image = blank(width, height);
    for (int y = 0; y < height; ++y) {
        const std::size_t row = dataAt + rowBytes * std::size_t(rawHeight > 0 ? height - 1 - y : y);
        for (int x = 0; x < width; ++x) {
            image.pixels[std::size_t(y * width + x)] = bmpPixel(d, row, x, bits, 54);
        }
    }
    return image;
}

std::optional<DecodedImage> readPcx(const std::string& path)
{
    const auto d = readFileBytes(path);
    if (d.size() < 128 || d[0] != 10 || d[2] != 1 || d[3] != 8) {
        return std::nullopt;
    }
    const int width = int(u16(d, 8)) - int(u16(d, 4)) + 1;
    const int height = int(u16(d, 10)) - int(u16(d, 6)) + 1;
    const unsigned planes = d[65];
    const std::size_t lineBytes = u16(d, 66);
    std::vector<std::uint8_t> raw;
    const std::size_t wanted = lineBytes * planes * std::size_t(height);
    std::size_t at = 128;
    while (raw.size() < wanted && at < d.size()) {
        const std::uint8_t byte = d[at++];
        if (byte >= 0xC0 && at < d.size()) {
            raw.insert(raw.end(), byte & 0x3Fu, d[at++]);
        } else {
            raw.push_back(byte);
        }
    }
    const bool paletted = planes == 1;
    if (raw.size() < wanted || (paletted && (d.size() < 769 || d[d.size() - 769] != 0x0C))) {
        return std::nullopt;
    }
    DecodedImage image = blank(width, height);
    const std::size_t paletteAt = d.size() - 768;
    for (int y = 0; y < height; ++y) {
        const std::size_t line = std::size_t(y) * lineBytes * planes;
        for (int x = 0; x < width; ++x) {
            const std::size_t p = line + std::size_t(x);
            image.pixels[std::size_t(y * width + x)] =
                paletted ? rgb(d[paletteAt + raw[p] * 3u], d[paletteAt + raw[p] * 3u + 1],
                               d[paletteAt + raw[p] * 3u + 2])
                         : rgb(raw[p], raw[p + lineBytes], raw[p + 2 * lineBytes]);
        }
    }
    return image;
}

std::optional<DecodedImage> readTga(const std::string& path)
{
    const auto d = readFileBytes(path);
    if (d.size() < 18 || (d[2] != 1 && d[2] != 2)) {
        return std::nullopt;
    }
    const std::size_t mapLength = d[1] ? u16(d, 5) : 0;
    const std::size_t mapAt = 18 + d[0];
    const std::size_t dataAt = mapAt + mapLength * (d[7] / 8u);
    const int width = int(u16(d, 12));
    const int height = int(u16(d, 14));
    const unsigned bytes = d[16] / 8u;
    const bool topFirst = (d[17] & 0x20) != 0;
    if (dataAt + std::size_t(width) * std::size_t(height) * bytes > d.size()) {
        return std::nullopt;
    }
    DecodedImage image = blank(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const int fileRow = topFirst ? y : height - 1 - y;
            std::size_t p =
                dataAt + (std::size_t(fileRow) * std::size_t(width) + std::size_t(x)) * bytes;
            if (d[2] == 1) {
                p = mapAt + d[p] * 3u;
            }
            image.pixels[std::size_t(y * width + x)] =
                rgb(d[p + 2], d[p + 1], d[p], bytes == 4 ? d[p + 3] : 255);
        }
    }
    return image;
}

std::optional<DecodedImage> readPng(const std::string& path)
{
    png_image png{};
    png.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&png, path.c_str())) {
        return std::nullopt;
    }
    png.format = PNG_FORMAT_BGRA; // little-endian $AARRGGBB words
    DecodedImage image = blank(int(png.width), int(png.height));
    if (!png_image_finish_read(&png, nullptr, image.pixels.data(), 0, nullptr)) {
        png_image_free(&png);
        return std::nullopt;
    }
    return image;
}

namespace {

// 8-bit RGB with unassociated alpha, read as stored (the RGBA interface of the
// library would premultiply it).
bool readRgbaScanlines(TIFF* tiff, DecodedImage& image)
{
    std::vector<std::uint8_t> row(std::size_t(TIFFScanlineSize(tiff)));
    for (int y = 0; y < image.height; ++y) {
        if (TIFFReadScanline(tiff, row.data(), std::uint32_t(y), 0) < 0) {
            return false;
        }
        for (int x = 0; x < image.width; ++x) {
            const std::uint8_t* p = row.data() + std::size_t(x) * 4;
            image.pixels[std::size_t(y * image.width + x)] = rgb(p[0], p[1], p[2], p[3]);
        }
    }
    return true;
}

} // namespace

std::optional<DecodedImage> readTiff(const std::string& path)
{
    TIFF* tiff = TIFFOpen(path.c_str(), "r");
    if (!tiff) {
        return std::nullopt;
    }
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    std::uint16_t samples = 0;
    TIFFGetField(tiff, TIFFTAG_IMAGEWIDTH, &width);
    TIFFGetField(tiff, TIFFTAG_IMAGELENGTH, &height);
    TIFFGetFieldDefaulted(tiff, TIFFTAG_SAMPLESPERPIXEL, &samples);
    DecodedImage image = blank(int(width), int(height));
    bool ok = false;
    if (samples == 4) {
        ok = readRgbaScanlines(tiff, image);
    } else {
        ok = TIFFReadRGBAImageOriented(tiff, width, height, image.pixels.data(),
                                       ORIENTATION_TOPLEFT, 0) != 0;
        for (std::uint32_t& p : image.pixels) { // ABGR to ARGB
            p = rgb(TIFFGetR(p), TIFFGetG(p), TIFFGetB(p), TIFFGetA(p));
        }
    }
    TIFFClose(tiff);
    if (!ok) {
        return std::nullopt;
    }
    return image;
}

namespace {

struct JpegReadErrors {
    jpeg_error_mgr base;
    std::jmp_buf jump;
};

[[noreturn]] void onJpegError(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<JpegReadErrors*>(info->err)->jump, 1);
}

bool decompress(jpeg_decompress_struct& info, DecodedImage& image, int* quant, bool* progressive,
                std::vector<std::uint8_t>& row)
{
    if (setjmp(reinterpret_cast<JpegReadErrors*>(info.err)->jump) != 0) {
        return false;
    }
    jpeg_read_header(&info, TRUE);
    image.components = info.num_components;
    if (quant && info.quant_tbl_ptrs[0]) {
        *quant = info.quant_tbl_ptrs[0]->quantval[0];
    }
    if (progressive) {
        *progressive = info.progressive_mode != 0;
    }
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    image.width = int(info.output_width);
    image.height = int(info.output_height);
    image.pixels.resize(std::size_t(image.width) * std::size_t(image.height));
    row.resize(std::size_t(image.width) * 3);
    while (info.output_scanline < info.output_height) {
        const int y = int(info.output_scanline);
        JSAMPROW rows[1] = {row.data()};
        jpeg_read_scanlines(&info, rows, 1);
        for (int x = 0; x < image.width; ++x) {
            image.pixels[std::size_t(y * image.width + x)] = rgb(
                row[std::size_t(x) * 3], row[std::size_t(x) * 3 + 1], row[std::size_t(x) * 3 + 2]);
        }
    }
    jpeg_finish_decompress(&info);
    return true;
}

} // namespace

std::optional<DecodedImage> readJpeg(const std::string& path, int* firstLuminanceQuant,
                                     bool* progressive)
{
    const auto bytes = readFileBytes(path);
    jpeg_decompress_struct info{};
    JpegReadErrors errors{};
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = onJpegError;
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, bytes.data(), static_cast<unsigned long>(bytes.size()));
    DecodedImage image;
    std::vector<std::uint8_t> row;
    const bool ok =
        !bytes.empty() && decompress(info, image, firstLuminanceQuant, progressive, row);
    jpeg_destroy_decompress(&info);
    if (!ok) {
        return std::nullopt;
    }
    return image;
}

std::optional<std::string> identifySize(const std::string& path)
{
    if (std::system("command -v identify >/dev/null 2>&1") != 0) {
        return std::nullopt;
    }
    const std::string command = "identify -format '%wx%h' '" + path + "' 2>/dev/null";
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    if (!pipe) {
        return std::nullopt;
    }
    std::array<char, 64> buffer{};
    std::string output;
    while (std::fgets(buffer.data(), int(buffer.size()), pipe.get())) {
        output += buffer.data();
    }
    return output;
}

} // namespace prismora::testing
