// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Saving a picture to a file whose format follows from the file name's extension.
#pragma once

#include "base/result.h"
#include "graphics/encoded_image.h"
#include "graphics/export_bitmap.h"

#include <string>

namespace prismora {

enum class ImageFileFormat { None, Bmp, Jpeg, Pcx, Png, Tiff, Tga };

// The text from the last "." that stands after the last path delimiter ("\", ":"
// or "/"), the dot included; empty when there is no such dot.
std::string fileExtension(const std::string& path);

// The writer for a path: the extension lower-cased (ASCII A-Z only) and compared
// exactly with ".bmp", ".jpg", ".jpeg", ".pcx", ".png", ".tif", ".tga".
ImageFileFormat formatForFileName(const std::string& path);

// Replaces the file at `path` with the encoded picture: written beside it,
// flushed to the disk and renamed over it, so a failure (full disk, file-size
// limit, read-only folder) leaves an older file as it was and no temporary file
// behind. Fails with "Cannot create file \"<path>\". <reason>", the reason being
// the system's, or the encoder's when `image` holds its error (nothing is written).
Status writePictureFile(const std::string& path, const EncodedImage& image);

// Encodes the picture in memory by the path's extension, then writes it with
// writePictureFile. Every failure is "Cannot create file \"<path>\". <reason>",
// and nothing is written unless the whole picture was encoded. The reason is the
// system's for a file that cannot be written, the encoder's text for a picture it
// cannot encode ("JPEG error #<n>" with libjpeg's message number, "PNG error: ...",
// "TIFF error: ...", "PCX error: ...", "TGA error: ..."), or UnknownFormatReason
// for any other extension.
Status saveBitmapToFile(const ExportBitmap& bitmap, const std::string& path);

inline constexpr const char* UnknownFormatReason =
    "The name does not end in .bmp, .jpg, .jpeg, .pcx, .png, .tif or .tga.";

} // namespace prismora
