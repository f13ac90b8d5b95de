// A small per-thread store of turned sprite pictures, checked against the sprite's pixels.
#include "view/cell_picture_cache.h"

#include <cstring>
#include <map>
#include <utility>
#include <vector>

namespace prismora {
namespace {

constexpr std::size_t MaxKeptPictures = 256;

struct KeptPicture {
    int width = 0;
    int height = 0;
    std::vector<Color32> pixels; // the sprite's pixels the picture was made from
    QImage picture;
};

bool SamePixels(const KeptPicture& kept, const Bitmap32& sprite)
{
    return kept.width == sprite.width() && kept.height == sprite.height() &&
           std::memcmp(kept.pixels.data(), sprite.bits(), kept.pixels.size() * sizeof(Color32)) ==
               0;
}

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
    if (found != kept.end() && SamePixels(found->second, sprite)) {
        return found->second.picture;
    }
    if (found == kept.end() && kept.size() >= MaxKeptPictures) {
        kept.clear();
    }
    KeptPicture& entry = kept[key];
    entry.width = sprite.width();
    entry.height = sprite.height();
    const Color32* bits = sprite.bits();
    entry.pixels.assign(bits, bits + std::size_t(entry.width) * std::size_t(entry.height));
    entry.picture = make(sprite, direction);
    return entry.picture;
}

} // namespace prismora
