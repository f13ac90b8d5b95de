// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A small per-thread store of turned sprite pictures, checked against the sprite's change stamp.
#include "view/cell_picture_cache.h"

#include <cstdint>
#include <map>
#include <tuple>

namespace prismora {
namespace {

constexpr std::size_t MaxKeptPictures = 256;

struct KeptPicture {
    std::uint64_t changeStamp = 0; // the sprite's stamp when the picture was made
    CellPicture picture;
};

} // namespace

const CellPicture& cachedCellPicture(const Bitmap32& sprite, int direction, int scale,
                                     CellPictureMaker make)
{
    thread_local std::map<std::tuple<const Bitmap32*, int, int>, KeptPicture> kept;
    thread_local CellPicture fresh;
    if (sprite.drawMode() != DrawMode::Opaque || sprite.isEmpty()) {
        fresh = make(sprite, direction, scale);
        return fresh;
    }
    const auto key = std::make_tuple(&sprite, direction, scale);
    const auto found = kept.find(key);
    if (found != kept.end() && found->second.changeStamp == sprite.changeStamp()) {
        return found->second.picture;
    }
    // Made before the store is touched: making one scale may ask for another.
    CellPicture picture = make(sprite, direction, scale);
    if (kept.find(key) == kept.end() && kept.size() >= MaxKeptPictures) {
        kept.clear();
    }
    KeptPicture& entry = kept[key];
    entry.changeStamp = sprite.changeStamp();
    entry.picture = std::move(picture);
    return entry.picture;
}

} // namespace prismora
