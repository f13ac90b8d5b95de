// Loading the compiled-in sprites and the wallpaper from the Qt resources.
#include "view/sprite_set.h"

#include "view/turned_sprite.h"

#include <QFile>

#include <array>
#include <atomic>

#include <sstream>
#include <string>

namespace prismora {
namespace {

// Items 17..19 keep the default outer colour; every other sprite reads as
// white outside its square.
bool HasWhiteOuterColor(int index) { return index < 17 || index > 19; }

// Reads one stored-form sprite; leaves `bitmap` empty when the resource is
// missing or does not hold a whole picture.
void LoadSprite(int index, Bitmap32& bitmap)
{
    QFile file(QStringLiteral(":/sprites/sprite%1.b32").arg(index, 2, 10, QLatin1Char('0')));
    if (!file.open(QIODevice::ReadOnly)) {
        return;
    }
    const QByteArray bytes = file.readAll();
    std::istringstream stream(
        std::string(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    if (!bitmap.readPixels(stream).ok()) {
        bitmap.setSize(0, 0);
    }
}

BitmapList LoadStandardSprites()
{
    BitmapList list;
    for (int i = 0; i < StandardSpriteCount; ++i) {
        Bitmap32& bitmap = list.add().bitmap();
        LoadSprite(i, bitmap);
        if (HasWhiteOuterColor(i)) {
            bitmap.setOuterColor(0xFFFFFFFF);
        }
    }
    return list;
}

// The loaded set with each sprite's turned pictures, made at load.
struct StandardSet {
    BitmapList sprites = LoadStandardSprites();
    std::array<std::uint64_t, StandardSpriteCount> changeStamps{};
    std::array<std::array<CellPicture, 8>, StandardSpriteCount> turned;

    StandardSet()
    {
        for (int i = 0; i < StandardSpriteCount; ++i) {
            const Bitmap32& sprite = sprites.bitmap(i);
            const auto index = static_cast<std::size_t>(i);
            changeStamps[index] = sprite.changeStamp();
            for (int direction = 0; direction < 8 && !sprite.isEmpty(); ++direction) {
                turned[index][static_cast<std::size_t>(direction)] =
                    makeCellPicture(turnedSpritePicture(sprite, direction));
            }
        }
    }
};

// Set once the standard set is loaded, so asking about another set's
// sprites never loads it.
std::atomic<const StandardSet*> loadedSet{nullptr};

const StandardSet& standardSet()
{
    static const StandardSet set;
    loadedSet.store(&set, std::memory_order_release);
    return set;
}

} // namespace

const BitmapList& StandardSprites() { return standardSet().sprites; }

const CellPicture* standardCellPicture(const Bitmap32& sprite, int direction)
{
    const StandardSet* loaded = loadedSet.load(std::memory_order_acquire);
    if (loaded == nullptr) {
        return nullptr;
    }
    const StandardSet& set = *loaded;
    for (int i = 0; i < StandardSpriteCount; ++i) {
        const auto index = static_cast<std::size_t>(i);
        if (&set.sprites.bitmap(i) == &sprite) {
            const bool isUnchanged =
                !sprite.isEmpty() && sprite.changeStamp() == set.changeStamps[index];
            return isUnchanged ? &set.turned[index][static_cast<std::size_t>(direction % 8)]
                               : nullptr;
        }
    }
    return nullptr;
}

QImage StandardWallpaper() { return QImage(QStringLiteral(":/wallpaper.bmp")); }

} // namespace prismora
