// A small per-thread store of turned sprite pictures, checked against the sprite's change stamp.
#include "view/cell_picture_cache.h"

#include <cstdint>
#include <map>
#include <utility>

namespace prismora {
namespace {

constexpr std::size_t MaxKeptPictures = 256;

struct KeptPicture {
    std::uint64_t changeStamp = 0; // the sprite's stamp when the picture was made
    QImage picture;
};

} // namespace

const QImage& CachedCellPicture(const Bitmap32& sprite, int direction, CellPictureMaker make)
{
    thread_local std::map<std::pair<const Bitmap32*, int>, KeptPicture> kept;
    thread_local QImage fresh;
    if (sprite.drawMode() != DrawMode::Opaque || sprite.isEmpty()) {
        fresh = make(sprite, direction);
        return fresh;
    }
    const auto key = std::make_pair(&sprite, direction);
    auto found = kept.find(key);
    if (found != kept.end() && found->second.changeStamp == sprite.changeStamp()) {
        return found->second.picture;
    }
    if (found == kept.end() && kept.size() >= MaxKeptPictures) {
        kept.clear();
    }
    KeptPicture& entry = kept[key];
    entry.changeStamp = sprite.changeStamp();
    entry.picture = make(sprite, direction);
    return entry.picture;
}

} // namespace prismora
