// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// saveBitmapToFile: format by extension, encoding in memory, safe replacement of the file.
#include "graphics/save_bitmap.h"

#include "base/file_replacement.h"

#include "graphics/bmp_writer.h"
#include "graphics/jpeg_writer.h"
#include "graphics/pcx_writer.h"
#include "graphics/png_writer.h"
#include "graphics/tga_writer.h"
#include "graphics/tiff_writer.h"

#include <string_view>

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
    return Error{UnknownFormatReason};
}

// The program's wording for a picture file that could not be written.
Error cannotCreateFile(const std::string& path, const std::string& reason)
{
    return {"Cannot create file \"" + path + "\". " + reason};
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

Status writePictureFile(const std::string& path, const EncodedImage& image)
{
    if (!image) {
        return cannotCreateFile(path, image.error().message);
    }
    const ImageBytes& bytes = image.value();
    const auto replaced = replaceFileContents(
        path, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    if (!replaced) {
        return cannotCreateFile(path, replaced.error().reason);
    }
    return {};
}

Status saveBitmapToFile(const ExportBitmap& bitmap, const std::string& path)
{
    return writePictureFile(path, encode(bitmap, formatForFileName(path)));
}

} // namespace prismora
