// The application icon: a lit red lamp on a navy tile, fed by a red beam from the left.
#pragma once

#include "vector_picture.h"

#include <QString>

#include <array>

namespace prismora::spritegen {

// The application id the icon files are named after.
inline constexpr const char* IconName = "org.prismora.Prismora";
// The pixel sizes of the PNG icons, besides the scalable SVG.
inline constexpr std::array<int, 6> IconSizes = {16, 32, 48, 64, 128, 256};

enum class IconDetail { Full, Small };

// The icon in sprite units (48 x 48), drawn with the lit lamp sprite's
// measures. Small leaves out the rays, outlines and cross-hairs, which blur
// into a smudge below 32 pixels.
VectorPicture applicationIcon(IconDetail detail);

// Writes FOLDER/hicolor/<n>x<n>/apps/<IconName>.png for every size and
// FOLDER/hicolor/scalable/apps/<IconName>.svg, the hicolor theme's layout.
// Returns false, after saying why on stderr, when a file cannot be written.
bool writeIcons(const QString& folder);

} // namespace prismora::spritegen
