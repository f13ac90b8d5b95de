// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Writing the icons into the hicolor theme's layout, as data/icons holds them.
#pragma once

#include <QString>

#include <array>

namespace prismora::spritegen {

// The application id the application icon's files are named after.
inline constexpr const char* IconName = "org.prismora.Prismora";
// The pixel sizes of the PNG icons, besides the scalable SVG.
inline constexpr std::array<int, 8> IconSizes = {16, 22, 24, 32, 48, 64, 128, 256};

// Writes under FOLDER/hicolor: <n>x<n>/apps/<IconName>.png and
// <n>x<n>/mimetypes/<FileTypeIconName>.png for every size, the same pair as
// SVG under scalable/, and symbolic/apps/<IconName>-symbolic.svg.
// Returns false, after saying why on stderr, when a file cannot be written.
bool writeIcons(const QString& folder);

} // namespace prismora::spritegen
