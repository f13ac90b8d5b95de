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
    std::vector<TColor32> pixels; // the sprite's pixels the picture was made from
    QImage picture;
};

bool SamePixels(const KeptPicture& kept, const TBitmap32& sprite)
{
    return kept.width == sprite.Width() && kept.height == sprite.Height() &&
           std::memcmp(kept.pixels.data(), sprite.Bits(), kept.pixels.size() * sizeof(TColor32)) ==
               0;
}

} // namespace

const QImage& CachedCellPicture(const TBitmap32& sprite, int direction, CellPictureMaker make)
{
    thread_local std::map<std::pair<const TBitmap32*, int>, KeptPicture> kept;
    thread_local QImage fresh;
    if (sprite.DrawMode() != TDrawMode::dmOpaque || sprite.Empty()) {
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
    entry.width = sprite.Width();
    entry.height = sprite.Height();
    const TColor32* bits = sprite.Bits();
    entry.pixels.assign(bits, bits + std::size_t(entry.width) * std::size_t(entry.height));
    entry.picture = make(sprite, direction);
    return entry.picture;
}

} // namespace prismora
