// The look every command button and arrow of the game window shares.
#include "widgets/game_button_style.h"

#include "widgets/cool_button.h"
#include "widgets/game_fonts.h"

#include <QImage>

namespace prismora {

void ApplyGameButtonStyle(TCoolBtn& button, const QImage& wallpaper)
{
    button.setFont(gameSansFont(11, QFont::Bold));
    QPalette palette = button.palette();
    palette.setColor(QPalette::ButtonText, Qt::yellow);
    button.setPalette(palette);
    button.setOptions(TCoolOption::ocPaintWallpaper | TCoolOption::ocFlatBorder);
    button.setWallpaper(wallpaper);
    button.setColorStart(Qt::red);
    button.setColorEnd(Qt::blue);
    button.setColor(Qt::blue);
    button.setTransparencyLevel(255);
    button.setSimpleView(true);
}

} // namespace prismora
