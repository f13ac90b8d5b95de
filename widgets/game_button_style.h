// The look every command button and arrow of the game window shares.
#pragma once

class QImage;

namespace prismora {

class TCoolBtn;

// Bold yellow 11-pixel sans caption drawn plainly over the tiled wallpaper,
// raised edge only under the pointer; red-to-blue gradient colours and blue
// face colour as fallbacks, background taken from the top-level window when
// painted transparently.
void ApplyGameButtonStyle(TCoolBtn& button, const QImage& wallpaper);

} // namespace prismora
