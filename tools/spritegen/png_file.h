// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// PNG encoding of generated pictures, byte for byte the same on every run.
#pragma once

#include <QByteArray>
#include <QImage>

namespace prismora::spritegen {

// `image` as a PNG file: 8-bit RGBA (colour type 6), not interlaced, no
// ancillary chunks, every row unfiltered, the pixel data compressed with
// zlib at level 9 in one IDAT chunk.
QByteArray encodePng(const QImage& image);

} // namespace prismora::spritegen
