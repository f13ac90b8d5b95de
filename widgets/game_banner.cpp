// The game's banner: its size, text, font and colours.
#include "widgets/game_banner.h"

#include "widgets/game_fonts.h"
#include "widgets/scrolling_text.h"

#include <QImage>

namespace prismora {

TCoolScrollingText* CreateGameBanner(QWidget* parent, const QImage& wallpaper)
{
    auto* banner = new TCoolScrollingText(parent);
    banner->resize(225, 25);
    banner->setFont(gameSerifFont(21));
    QPalette palette = banner->palette();
    palette.setColor(QPalette::WindowText, Qt::cyan);
    banner->setPalette(palette);
    banner->setWallpaper(wallpaper);
    banner->setStrings(
        {QStringLiteral("Prismora         Gör egna banor och tävla med dina kompisar         "
                        "Efter att du tagit en skärmdump, kan du klistra in den i MSN direkt"
                        "          Nu kan man även spara och skicka spel som är pågående")});
    banner->setActive(true);
    return banner;
}

} // namespace prismora
