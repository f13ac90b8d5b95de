// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Loading the compiled-in sprites and the wallpaper from the Qt resources.
#include "view/sprite_set.h"

#include "view/turned_picture_file.h"
#include "view/turned_sprite.h"

#include <QFile>

#include <array>
#include <atomic>
#include <mutex>
#include <optional>
#include <vector>

#include <sstream>
#include <string>

namespace prismora {
namespace {

// Items 17..19 keep the default outer colour; every other sprite reads as
// white outside its square.
bool hasWhiteOuterColour(int index) { return index < 17 || index > 19; }

// Reads one stored-form sprite; leaves `bitmap` empty when the resource is
// missing or does not hold a whole picture.
void loadSprite(int index, Bitmap32& bitmap)
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

// The turned pictures spritegen made from the same sprites with the same
// code (":/sprites/turned.bin"); empty when the resource is missing or does
// not hold all of them, and the set then turns its sprites itself.
QByteArray loadTurnedPictures()
{
    QFile file(QStringLiteral(":/sprites/turned.bin"));
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    QByteArray bytes = file.readAll();
    const bool isWhole = bytes.size() == StandardSpriteCount * 8 * PackedTurnedPictureBytes;
    return isWhole ? bytes : QByteArray();
}

std::array<std::uint64_t, StandardSpriteCount> changeStampsOf(const BitmapList& sprites)
{
    std::array<std::uint64_t, StandardSpriteCount> stamps{};
    for (int i = 0; i < StandardSpriteCount; ++i) {
        stamps[static_cast<std::size_t>(i)] = sprites.bitmap(i).changeStamp();
    }
    return stamps;
}

BitmapList loadStandardSprites()
{
    BitmapList list;
    for (int i = 0; i < StandardSpriteCount; ++i) {
        Bitmap32& bitmap = list.add().bitmap();
        loadSprite(i, bitmap);
        if (hasWhiteOuterColour(i)) {
            bitmap.setOuterColor(0xFFFFFFFF);
        }
    }
    return list;
}

// The loaded set and its sprites' turned pictures, each unpacked (or, with
// no packed pictures, made) the first time it is asked for.
class StandardSet {
public:
    const BitmapList& sprites() const { return m_sprites; }

    // The picture of sprite `index` turned to `direction` (0..7); the sprite
    // must not be empty.
    const CellPicture& turned(int index, int direction) const
    {
        const auto at = static_cast<std::size_t>(index * 8 + direction);
        std::call_once(m_isMade[at], [this, index, direction, at] {
            std::optional<CellPicture> unpacked =
                unpackTurnedPicture(m_packed, index * 8 + direction);
            m_turned[at] =
                unpacked ? std::move(*unpacked)
                         : makeCellPicture(turnedSpritePicture(m_sprites.bitmap(index), direction));
        });
        return m_turned[at];
    }

    // The sprite's index in the set when it is one of them and unchanged since loading.
    std::optional<int> indexOf(const Bitmap32& sprite) const
    {
        for (int i = 0; i < StandardSpriteCount; ++i) {
            if (&m_sprites.bitmap(i) == &sprite) {
                const bool isUnchanged =
                    !sprite.isEmpty() &&
                    sprite.changeStamp() == m_changeStamps[static_cast<std::size_t>(i)];
                return isUnchanged ? std::optional<int>(i) : std::nullopt;
            }
        }
        return std::nullopt;
    }

private:
    static constexpr std::size_t PictureCount = StandardSpriteCount * 8;

    BitmapList m_sprites = loadStandardSprites();
    std::array<std::uint64_t, StandardSpriteCount> m_changeStamps = changeStampsOf(m_sprites);
    QByteArray m_packed = loadTurnedPictures();
    mutable std::array<std::once_flag, PictureCount> m_isMade;
    mutable std::array<CellPicture, PictureCount> m_turned;
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

const BitmapList& standardSprites() { return standardSet().sprites(); }

const CellPicture* standardCellPicture(const Bitmap32& sprite, int direction)
{
    const StandardSet* loaded = loadedSet.load(std::memory_order_acquire);
    if (loaded == nullptr) {
        return nullptr;
    }
    const std::optional<int> index = loaded->indexOf(sprite);
    return index ? &loaded->turned(*index, direction % 8) : nullptr;
}

QImage standardWallpaper() { return QImage(QStringLiteral(":/wallpaper.bmp")); }

} // namespace prismora
