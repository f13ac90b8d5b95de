// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The game's own look: the style of its buttons and its scrolling banner.
#include "app/game_style.h"

#include "widgets/gradient_button.h"
#include "widgets/scrolling_banner.h"

#include <QImage>

namespace prismora {

void applyGameButtonStyle(GradientButton& button, const QImage& wallpaper)
{
    button.setFont(gameSansFont(11, QFont::Bold));
    QPalette palette = button.palette();
    palette.setColor(QPalette::ButtonText, Qt::yellow);
    button.setPalette(palette);
    button.setOptions(GradientButton::Option::PaintWallpaper | GradientButton::Option::FlatBorder);
    button.setWallpaper(wallpaper);
    button.setColorStart(Qt::red);
    button.setColorEnd(Qt::blue);
    button.setColor(Qt::blue);
    button.setTransparencyLevel(255);
    button.setSimpleView(true);
}

ScrollingBanner* createGameBanner(QWidget* parent, const QImage& wallpaper)
{
    auto* banner = new ScrollingBanner(parent);
    banner->resize(225, 25);
    banner->setFont(gameSerifFont(21));
    QPalette palette = banner->palette();
    palette.setColor(QPalette::WindowText, Qt::cyan);
    banner->setPalette(palette);
    banner->setWallpaper(wallpaper);
    banner->setActive(true);
    return banner;
}

} // namespace prismora
