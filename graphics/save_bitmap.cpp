// SaveBitmapToFile: writer selection by extension and writing the file in one piece.
#include "graphics/save_bitmap.h"

#include "graphics/bmp_writer.h"
#include "graphics/jpeg_writer.h"
#include "graphics/pcx_writer.h"
#include "graphics/png_writer.h"
#include "graphics/tga_writer.h"
#include "graphics/tiff_writer.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace prismora {

namespace {

std::string asciiLower(std::string text)
{
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return text;
}

EncodedImage encode(const ExportBitmap& bitmap, ImageFileFormat format)
{
    switch (format) {
    case ImageFileFormat::Bmp:
        return encodeBmp(bitmap);
    case ImageFileFormat::Jpeg:
        return encodeJpeg(bitmap);
    case ImageFileFormat::Pcx:
        return encodePcx(bitmap);
    case ImageFileFormat::Png:
        return encodePng(bitmap);
    case ImageFileFormat::Tiff:
        return encodeTiff(bitmap);
    case ImageFileFormat::Tga:
        return encodeTga(bitmap);
    case ImageFileFormat::None:
        break;
    }
    return {};
}

std::optional<std::string> writeFile(const std::string& path,
                                     const std::vector<std::uint8_t>& bytes)
{
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) {
        const int reason = errno;
        return "Cannot create file \"" + path + "\". " + std::strerror(reason);
    }
    const std::size_t written =
        bytes.empty() ? 0 : std::fwrite(bytes.data(), 1, bytes.size(), file);
    const bool flushed = std::fflush(file) == 0;
    const bool closed = std::fclose(file) == 0;
    if (written != bytes.size() || !flushed || !closed) {
        return "Stream write error";
    }
    return std::nullopt;
}

} // namespace

std::string fileExtension(const std::string& path)
{
    const std::size_t delimiter = path.find_last_of("\\:/");
    const std::size_t dot = path.rfind('.');
    if (dot == std::string::npos || (delimiter != std::string::npos && dot < delimiter)) {
        return {};
    }
    return path.substr(dot);
}

ImageFileFormat formatForFileName(const std::string& path)
{
    const std::string extension = asciiLower(fileExtension(path));
    if (extension == ".bmp") {
        return ImageFileFormat::Bmp;
    }
    if (extension == ".jpg" || extension == ".jpeg") {
        return ImageFileFormat::Jpeg;
    }
    if (extension == ".pcx") {
        return ImageFileFormat::Pcx;
    }
    if (extension == ".png") {
        return ImageFileFormat::Png;
    }
    if (extension == ".tif") {
        return ImageFileFormat::Tiff;
    }
    if (extension == ".tga") {
        return ImageFileFormat::Tga;
    }
    return ImageFileFormat::None;
}

std::optional<std::string> saveBitmapToFile(const ExportBitmap& bitmap, const std::string& path)
{
    const ImageFileFormat format = formatForFileName(path);
    if (format == ImageFileFormat::None) {
        return std::nullopt;
    }
    const EncodedImage image = encode(bitmap, format);
    if (image.error) {
        return image.error;
    }
    return writeFile(path, image.bytes);
}

} // namespace prismora
