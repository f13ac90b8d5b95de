// The game's banner: its size, text, font and colours.
#pragma once

class QImage;
class QWidget;

namespace prismora {

class TCoolScrollingText;

// A 225 × 25 active banner on parent with the game's Swedish line in a
// 21-pixel serif face, aqua over the tiled wallpaper. The caller places it
// (e.g. move(x, y)); it starts scrolling when it is shown.
TCoolScrollingText* CreateGameBanner(QWidget* parent, const QImage& wallpaper);

} // namespace prismora
