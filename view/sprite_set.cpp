// Loading the compiled-in sprites and the wallpaper from the Qt resources.
#include "view/sprite_set.h"

#include <QFile>

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

} // namespace

const BitmapList& StandardSprites()
{
    static const BitmapList sprites = LoadStandardSprites();
    return sprites;
}

QImage StandardWallpaper() { return QImage(QStringLiteral(":/wallpaper.bmp")); }

} // namespace prismora
