// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The icon of a level file: a page with a corner turned down, the game's lamp and beam on it.
#pragma once

#include "icon.h"
#include "vector_picture.h"

namespace prismora::spritegen {

// The freedesktop name of the icon of the level files' MIME type,
// application/x-prismora-level.
inline constexpr const char* FileTypeIconName = "application-x-prismora-level";

// The page in sprite units (48 x 48) for Full; below that (Grid32, Small) on
// a 16-unit grid whose lines are whole pixels at 16 and 32 px.
VectorPicture fileTypeIcon(IconDetail detail);

} // namespace prismora::spritegen
