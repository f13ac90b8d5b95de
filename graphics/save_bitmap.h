// Saving a picture to a file whose format follows from the file name's extension.
#pragma once

#include "graphics/export_bitmap.h"

#include <optional>
#include <string>

namespace prismora {

enum class ImageFileFormat { None, Bmp, Jpeg, Pcx, Png, Tiff, Tga };

// The text from the last "." that stands after the last path delimiter ("\", ":"
// or "/"), the dot included; empty when there is no such dot.
std::string fileExtension(const std::string& path);

// The writer for a path: the extension lower-cased (ASCII A-Z only) and compared
// exactly with ".bmp", ".jpg", ".jpeg", ".pcx", ".png", ".tif", ".tga".
ImageFileFormat formatForFileName(const std::string& path);

// Encodes the picture in memory by the path's extension, then creates the file and
// writes it in one piece. Returns nothing on success and for any other extension
// (then nothing is written); otherwise the error text:
//   "Cannot create file \"<path>\". <system reason>" when the file cannot be created,
//   "Stream write error" when writing it fails (a file may remain),
//   "JPEG error #<n>" with libjpeg's message number,
//   "PNG error: ...", "TIFF error: ...", "PCX error: ...", "TGA error: ..." from the
//   other encoders (the file is not created then).
std::optional<std::string> saveBitmapToFile(const ExportBitmap& bitmap, const std::string& path);

} // namespace prismora
