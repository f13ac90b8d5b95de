// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A JPEG of 32-bit pixel rows reduced to the 16 standard colours, without an intermediate picture.
#pragma once

#include "base/result.h"
#include "graphics/encoded_image.h"
#include "graphics/pixel_rows.h"

#include <string>

namespace prismora {

// The pixels reduced to the nearest of the 16 standard colours and encoded as
// JPEG at quality 90, one row at a time: byte for byte what encodeJpeg gives for
// reduceToStandard16 of the same pixels. Errors as encodeJpegRows.
EncodedImage encodeSixteenColourJpeg(const PixelRows& pixels);

// encodeSixteenColourJpeg written to `path` with writePictureFile (whatever the
// extension): an older file is replaced only by a complete picture. Fails with
// "Cannot create file \"<path>\". <reason>".
Status saveSixteenColourJpeg(const PixelRows& pixels, const std::string& path);

} // namespace prismora
