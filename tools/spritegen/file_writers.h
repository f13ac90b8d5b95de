// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Writing the generated pictures in the forms the game reads.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace prismora::spritegen {

// Replaces the file at `path` with `bytes`; false when it cannot be written.
bool writeFile(const QByteArray& bytes, const QString& path);

// The stored 32-bit form: int32 width, int32 height (little-endian), then the
// pixels row by row from the top, each as bytes blue, green, red, alpha.
// Returns false when the file cannot be written.
bool writeStored32(const QImage& image, const QString& path);

// An uncompressed BMP file with 8 bits per pixel and a 256-entry palette,
// rows stored bottom-up as usual. `image` must be Format_Indexed8 with 256
// colours and a width that is a multiple of 4. Returns false on failure.
bool writeBmp8(const QImage& image, const QString& path);

} // namespace prismora::spritegen
